<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>KassioTest</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Версия драйвера:</source>
        <translation>Driver version:</translation>
    </message>
    <message>
        <source>Версия теста драйвера:</source>
        <translation>Driver test version:</translation>
    </message>
    <message>
        <source>Неизвестная ошибка</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Некорректное значение в поле</source>
        <translation>Invalid value in field</translation>
    </message>
    <message>
        <source>&quot;%1&quot; не является целым числом</source>
        <translation>&quot;%1&quot; is not a valid integer value</translation>
    </message>
    <message>
        <source>Тест драйвера</source>
        <translation>Driver test</translation>
    </message>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Свойства драйвера...</source>
        <translation>Driver properties...</translation>
    </message>
    <message>
        <source>В&amp;ыход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>Результат:</source>
        <translation>Result:</translation>
    </message>
    <message>
        <source>Пароль:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Передано:</source>
        <translation>Sent:</translation>
    </message>
    <message>
        <source>Время:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Принято:</source>
        <translation>Received:</translation>
    </message>
    <message>
        <source>Оператор:</source>
        <translation>Operator:</translation>
    </message>
    <message>
        <source>Настройка свойств</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>кассовой техники</source>
        <translation>for cash registers</translation>
    </message>
    <message>
        <source>Внимание</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Для измения языка необходимо перезапустить приложение</source>
        <translation>Restart the application to change the language</translation>
    </message>
    <message>
        <source>мс</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Состояние</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>ФН сервис</source>
        <translation>FN service</translation>
    </message>
    <message>
        <source>ФН чеки (ФФД 1.05-1.2)</source>
        <translation>FN receipts (FFD 1.05-1.2)</translation>
    </message>
    <message>
        <source>Чеки (ФФД 1.0)</source>
        <translation>Receipts (FFD 1.0)</translation>
    </message>
    <message>
        <source>Отчеты</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>Печать текста</source>
        <translation>Text printing</translation>
    </message>
    <message>
        <source>Печать графики</source>
        <translation>Graphics printing</translation>
    </message>
    <message>
        <source>Параметры устройства</source>
        <translation>Device parameters</translation>
    </message>
    <message>
        <source>Сервис</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>БД чеков</source>
        <translation>Receipt database</translation>
    </message>
    <message>
        <source>Прочее</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>[да]</source>
        <translation>[yes]</translation>
    </message>
    <message>
        <source>[нет]</source>
        <translation>[no]</translation>
    </message>
    <message>
        <source>не задан</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>не введен</source>
        <translation>not entered</translation>
    </message>
    <message>
        <source>Не удается открыть файл &quot;%1&quot;: %2</source>
        <translation>Cannot open file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Ошибка чтения файла &quot;%1&quot;: %2</source>
        <translation>Error reading file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Состояние ФН</source>
        <translation>FN status</translation>
    </message>
    <message>
        <source>Запрос статуса ФН</source>
        <translation>Get FN status</translation>
    </message>
    <message>
        <source>Запрос номера ФН</source>
        <translation>Get FN number</translation>
    </message>
    <message>
        <source>Запрос срока действ. ФН</source>
        <translation>Get FN expiration</translation>
    </message>
    <message>
        <source>Запрос версии ФН</source>
        <translation>Get FN version</translation>
    </message>
    <message>
        <source>Запрос исполнения ФН</source>
        <translation>Get FN implementation</translation>
    </message>
    <message>
        <source>Запрос размера док-та в ФН</source>
        <translation>Get FN document size</translation>
    </message>
    <message>
        <source>Запрос статуса поддержки ОСУ</source>
        <translation>Get OSU support status</translation>
    </message>
    <message>
        <source>Запр. ресурса своб. памяти ФН</source>
        <translation>Get FN free memory resource</translation>
    </message>
    <message>
        <source>Синхр регистры со счетч. ФН</source>
        <translation>Sync registers with FN counters</translation>
    </message>
    <message>
        <source>Начать откр. смены в ФН</source>
        <translation>Begin FN session opening</translation>
    </message>
    <message>
        <source>Открыть смену в ФН</source>
        <translation>Open FN session</translation>
    </message>
    <message>
        <source>Начать закр. смены в ФН</source>
        <translation>Begin FN session closing</translation>
    </message>
    <message>
        <source>Закрыть смену в ФН</source>
        <translation>Close FN session</translation>
    </message>
    <message>
        <source>Начать отчет о сост. расчетов</source>
        <translation>Begin calculation state report</translation>
    </message>
    <message>
        <source>Сформ. отчет о сост. расчетов</source>
        <translation>Build calculation state report</translation>
    </message>
    <message>
        <source>Параметры текущей смены</source>
        <translation>Current session parameters</translation>
    </message>
    <message>
        <source>Сбросить состояние ФН</source>
        <translation>Reset FN state</translation>
    </message>
    <message>
        <source>Отменить документ в ФН</source>
        <translation>Cancel FN document</translation>
    </message>
    <message>
        <source>Начать закр. фиск. режима</source>
        <translation>Begin fiscal mode closing</translation>
    </message>
    <message>
        <source>Закрыть фиск. режим</source>
        <translation>Close fiscal mode</translation>
    </message>
    <message>
        <source>Найти фиск. документ</source>
        <translation>Find fiscal document</translation>
    </message>
    <message>
        <source>Прочитать QR чека</source>
        <translation>Read receipt QR code</translation>
    </message>
    <message>
        <source>Обновление ключей ОКП</source>
        <translation>Update OKP keys</translation>
    </message>
    <message>
        <source>Требуется прошивка 13.02.23 и новее</source>
        <translation>Requires firmware 13.02.23 or newer</translation>
    </message>
    <message>
        <source>Код запроса:</source>
        <translation>Request code:</translation>
    </message>
    <message>
        <source>№ документа:</source>
        <translation>Document No.:</translation>
    </message>
    <message>
        <source>Сохранить...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Номер ФН</source>
        <translation>FN number</translation>
    </message>
    <message>
        <source>Срок действия ФН</source>
        <translation>FN expiration</translation>
    </message>
    <message>
        <source>Кол-во оставшихся отчетов о перерегистрации</source>
        <translation>Re-registration reports left</translation>
    </message>
    <message>
        <source>Выполнено отчетов о перерегистрации</source>
        <translation>Re-registration reports done</translation>
    </message>
    <message>
        <source>Версия ПО ФН</source>
        <translation>FN software version</translation>
    </message>
    <message>
        <source>Тип ПО ФН</source>
        <translation>FN software type</translation>
    </message>
    <message>
        <source>Исполнение ФН:</source>
        <translation>FN implementation:</translation>
    </message>
    <message>
        <source>Размер текущего документа для ОФД, байт</source>
        <translation>Size of current document for OFD, bytes</translation>
    </message>
    <message>
        <source>Размер текущего уведомления о реализации маркированных товаров для ОИСМ, байт</source>
        <translation>Size of current marked goods sale notification for OISM, bytes</translation>
    </message>
    <message>
        <source>Статус поддержки ОСУ:</source>
        <translation>OSU support status:</translation>
    </message>
    <message>
        <source>Ресурс данных 5 летнего хранения</source>
        <translation>5-year storage resource</translation>
    </message>
    <message>
        <source> документов</source>
        <translation> documents</translation>
    </message>
    <message>
        <source>Ресурс данных 30 дневного хранения</source>
        <translation>30-day storage resource</translation>
    </message>
    <message>
        <source> Кб</source>
        <translation> KB</translation>
    </message>
    <message>
        <source>Процент заполнения оласти хранения увед. о реализации маркир. товара</source>
        <translation>Marked goods sale notification storage fill percentage</translation>
    </message>
    <message>
        <source>Номер ФД</source>
        <translation>FD number</translation>
    </message>
    <message>
        <source>Фискальный признак</source>
        <translation>Fiscal sign</translation>
    </message>
    <message>
        <source>Кол-во неподтвержденных документов</source>
        <translation>Unconfirmed documents</translation>
    </message>
    <message>
        <source>Дата первого неподтвержденного документа</source>
        <translation>First unconfirmed document date</translation>
    </message>
    <message>
        <source>Номер смены</source>
        <translation>Session number</translation>
    </message>
    <message>
        <source>Состояние смены</source>
        <translation>Session state</translation>
    </message>
    <message>
        <source>Номер чека</source>
        <translation>Receipt number</translation>
    </message>
    <message>
        <source>Текущий документ</source>
        <translation>Current document</translation>
    </message>
    <message>
        <source>Данные документа</source>
        <translation>Document data</translation>
    </message>
    <message>
        <source>Флаги предупреждения</source>
        <translation>Warning flags</translation>
    </message>
    <message>
        <source>Дата и время ФН</source>
        <translation>FN date and time</translation>
    </message>
    <message>
        <source>Номер последнего ФД</source>
        <translation>Last FD number</translation>
    </message>
    <message>
        <source>Состояние обновления ключей:</source>
        <translation>Key update state:</translation>
    </message>
    <message>
        <source>Закрытие фискального режима?</source>
        <translation>Close fiscal mode?</translation>
    </message>
    <message>
        <source>Вы уверены, что хотите произвести закрытие фискального режима?&#xd;
Данное действие необратимо.</source>
        <translation>Are you sure you want to close the fiscal mode?&#xd;
This cannot be undone.</translation>
    </message>
    <message>
        <source>Тип фиск. документа</source>
        <translation>Fiscal document type</translation>
    </message>
    <message>
        <source>Получена ли квитанция из ОФД</source>
        <translation>OFD ticket received</translation>
    </message>
    <message>
        <source>Результат обновления ключей ОКП: </source>
        <translation>OKP key update result: </translation>
    </message>
    <message>
        <source>Неизвестный тип документа</source>
        <translation>Unknown document type</translation>
    </message>
    <message>
        <source>Неизвестное значение</source>
        <translation>Unknown value</translation>
    </message>
    <message>
        <source>Нет открытого документа</source>
        <translation>No open document</translation>
    </message>
    <message>
        <source>Отчет о регистрации</source>
        <translation>Registration report</translation>
    </message>
    <message>
        <source>Отчет об открытии смены</source>
        <translation>Session open report</translation>
    </message>
    <message>
        <source>Кассовый чек</source>
        <translation>Receipt</translation>
    </message>
    <message>
        <source>Отчет о закрытии смены</source>
        <translation>Session close report</translation>
    </message>
    <message>
        <source>Отчет о закрытии фискального накопителя</source>
        <translation>Fiscal drive close report</translation>
    </message>
    <message>
        <source>Бланк строгой отчетности</source>
        <translation>Strict reporting form</translation>
    </message>
    <message>
        <source>Отчет об изменении параметров регистрации в связи с заменой ФН</source>
        <translation>Registration change report due to FN replacement</translation>
    </message>
    <message>
        <source>Отчет об изменении параметров регистрации</source>
        <translation>Registration change report</translation>
    </message>
    <message>
        <source>Кассовый чек коррекции</source>
        <translation>Correction receipt</translation>
    </message>
    <message>
        <source>Бланк строгой отчетности коррекции</source>
        <translation>Correction strict reporting form</translation>
    </message>
    <message>
        <source>Отчет о текущем состоянии расчетов</source>
        <translation>Calculation state report</translation>
    </message>
    <message>
        <source>Подтверждение оператора</source>
        <translation>Operator confirmation</translation>
    </message>
    <message>
        <source>Неизвестная команда, неверный формат посылки или неизвестные параметры</source>
        <translation>Unknown command, invalid message format or unknown parameters</translation>
    </message>
    <message>
        <source>Другое состояние ФН</source>
        <translation>Other FN state</translation>
    </message>
    <message>
        <source>Отказ ФН</source>
        <translation>FN failure</translation>
    </message>
    <message>
        <source>Отказ КС</source>
        <translation>Crypto module failure</translation>
    </message>
    <message>
        <source>Параметры команды не соответствуют сроку жизни ФН</source>
        <translation>Command parameters do not match the FN life phase</translation>
    </message>
    <message>
        <source>Архив ФН переполнен</source>
        <translation>FN archive is full</translation>
    </message>
    <message>
        <source>Неверные дата и/или время</source>
        <translation>Invalid date and/or time</translation>
    </message>
    <message>
        <source>Нет запрошенных данных</source>
        <translation>No requested data</translation>
    </message>
    <message>
        <source>Некорректное значение параметров команды</source>
        <translation>Invalid command parameter value</translation>
    </message>
    <message>
        <source>Некорректная команда</source>
        <translation>Invalid command</translation>
    </message>
    <message>
        <source>Неразрешенные реквизиты</source>
        <translation>Tags not allowed</translation>
    </message>
    <message>
        <source>Дублирование данных</source>
        <translation>Duplicate data</translation>
    </message>
    <message>
        <source>Отсутствуют данные, необходимые для корректного учета в ФН</source>
        <translation>Data needed for correct accounting in the FN are missing</translation>
    </message>
    <message>
        <source>Количество позиций в документе превысило допустимый предел</source>
        <translation>Number of items in the document exceeds the limit</translation>
    </message>
    <message>
        <source>Превышение размеров TLV данных</source>
        <translation>TLV data too large</translation>
    </message>
    <message>
        <source>Нет транспортного соединения</source>
        <translation>No transport connection</translation>
    </message>
    <message>
        <source>Исчерпан ресурс ФН</source>
        <translation>FN resource exhausted</translation>
    </message>
    <message>
        <source>Ограничение ресурса ФН</source>
        <translation>FN resource limit</translation>
    </message>
    <message>
        <source>Исчерпан ресурс Ожидания передачи сообщения</source>
        <translation>Message transfer waiting resource exhausted</translation>
    </message>
    <message>
        <source>Продолжительность смены более 24 часов</source>
        <translation>Session longer than 24 hours</translation>
    </message>
    <message>
        <source>Некорректные данные о промежутке времени между фискальными документами</source>
        <translation>Invalid time interval between fiscal documents</translation>
    </message>
    <message>
        <source>Некорректный реквизит, переданный ККТ в ФН</source>
        <translation>Invalid tag passed by the register to the FN</translation>
    </message>
    <message>
        <source>Реквизит не соответствует установкам при регистрации</source>
        <translation>Tag does not match the registration settings</translation>
    </message>
    <message>
        <source>Ошибка при обработке ответа в ФН</source>
        <translation>Error processing the response in the FN</translation>
    </message>
    <message>
        <source>Нет связи с ФН. Фатальная ошибка !!!</source>
        <translation>No link with the FN. Fatal error !!!</translation>
    </message>
    <message>
        <source>Ошибка сервиса обновления ключей проверки кодов маркировки</source>
        <translation>Marking code check key update service error</translation>
    </message>
    <message>
        <source>Неизвестный ответ сервиса обновления ключей проверки</source>
        <translation>Unknown response of the check key update service</translation>
    </message>
    <message>
        <source>ФН не отвечает</source>
        <translation>FN does not respond</translation>
    </message>
    <message>
        <source>Ошибка часов</source>
        <translation>Clock error</translation>
    </message>
    <message>
        <source>Запрещена работа с маркированным товарами</source>
        <translation>Work with marked goods is prohibited</translation>
    </message>
    <message>
        <source>Неверная последовательность команд группы Bxh</source>
        <translation>Invalid sequence of Bxh group commands</translation>
    </message>
    <message>
        <source>Работа с маркированными товарами временно заблокирована</source>
        <translation>Work with marked goods is temporarily blocked</translation>
    </message>
    <message>
        <source>Переполнена таблица хранения КМ</source>
        <translation>Marking code storage table is full</translation>
    </message>
    <message>
        <source>В блоке TLV отсутствуют необходимые реквизиты</source>
        <translation>Required tags are missing in the TLV block</translation>
    </message>
    <message>
        <source>В реквизите 2007 содержится КМ, который ранее не проверялся в ФН</source>
        <translation>Tag 2007 holds a marking code not checked in the FN before</translation>
    </message>
    <message>
        <source>Нет данных документа</source>
        <translation>No document data</translation>
    </message>
    <message>
        <source>Получены данные документа</source>
        <translation>Document data received</translation>
    </message>
    <message>
        <source>Смена закрыта</source>
        <translation>Session closed</translation>
    </message>
    <message>
        <source>Смена открыта</source>
        <translation>Session open</translation>
    </message>
    <message>
        <source>Отладочная версия</source>
        <translation>Debug version</translation>
    </message>
    <message>
        <source>Серийная версия</source>
        <translation>Production version</translation>
    </message>
    <message>
        <source>ФН поддерживает ОСУ, функция не активна</source>
        <translation>FN supports OSU, function inactive</translation>
    </message>
    <message>
        <source>ФН поддерживает ОСУ, функция активна</source>
        <translation>FN supports OSU, function active</translation>
    </message>
    <message>
        <source>ФН не поддерживает ОСУ</source>
        <translation>FN does not support OSU</translation>
    </message>
    <message>
        <source>Успешно. 0 ключей обновлено</source>
        <translation>Success. 0 keys updated</translation>
    </message>
    <message>
        <source>Успешно. 1 ключ обновлен</source>
        <translation>Success. 1 key updated</translation>
    </message>
    <message>
        <source>Успешно. 2 ключа обновлено</source>
        <translation>Success. 2 keys updated</translation>
    </message>
    <message>
        <source>Ошибка. См. напечатанное.&#xd;
 Либо не поддерживается данной прошивкой,&#xd;
 либо ключи уже обновлены</source>
        <translation>Error. See the printout.&#xd;
 Either not supported by this firmware,&#xd;
 or the keys are already updated</translation>
    </message>
    <message>
        <source>Нет связи с сервером ОКП</source>
        <translation>No link with the OKP server</translation>
    </message>
    <message>
        <source>Проведена настройка ФН</source>
        <translation>FN configured</translation>
    </message>
    <message>
        <source>Открыт фискальный режим</source>
        <translation>Fiscal mode open</translation>
    </message>
    <message>
        <source>Закрыт фискальный режим</source>
        <translation>Fiscal mode closed</translation>
    </message>
    <message>
        <source>Закончена передача фискальных данных в ОФД</source>
        <translation>Fiscal data transfer to OFD finished</translation>
    </message>
    <message>
        <source>ОСН</source>
        <translation>General</translation>
    </message>
    <message>
        <source>УСН доход</source>
        <translation>Simplified, income</translation>
    </message>
    <message>
        <source>УСН доход минус расход</source>
        <translation>Simplified, income minus expense</translation>
    </message>
    <message>
        <source>ЕНВД</source>
        <translation>Imputed income tax</translation>
    </message>
    <message>
        <source>ЕСХН</source>
        <translation>Unified agricultural tax</translation>
    </message>
    <message>
        <source>Патент</source>
        <translation>Patent</translation>
    </message>
    <message>
        <source>Шифрование</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>Автономный режим</source>
        <translation>Autonomous mode</translation>
    </message>
    <message>
        <source>Автоматический режим</source>
        <translation>Automatic mode</translation>
    </message>
    <message>
        <source>Применение в сфере услуг</source>
        <translation>Services</translation>
    </message>
    <message>
        <source>Режим БСО</source>
        <translation>Strict reporting form mode</translation>
    </message>
    <message>
        <source>Применение в Интернет</source>
        <translation>Internet use</translation>
    </message>
    <message>
        <source>Продажа подакцизного товара</source>
        <translation>Sale of excisable goods</translation>
    </message>
    <message>
        <source>Признак проведения азартных игр</source>
        <translation>Gambling</translation>
    </message>
    <message>
        <source>Признак проведения лотереи</source>
        <translation>Lottery</translation>
    </message>
    <message>
        <source>Признак установки принтера в автомате</source>
        <translation>Printer installed in a vending machine</translation>
    </message>
    <message>
        <source>Замена фискального накопителя</source>
        <translation>Fiscal drive replacement</translation>
    </message>
    <message>
        <source>Замена оператора фискальных данных</source>
        <translation>Fiscal data operator change</translation>
    </message>
    <message>
        <source>Изменение наименования пользователя контрольно-кассовой техники</source>
        <translation>Change of the register user name</translation>
    </message>
    <message>
        <source>Изменение адреса и (или) места установки (применения) контрольно-кассовой техники</source>
        <translation>Change of the register address and/or place of use</translation>
    </message>
    <message>
        <source>Перевод ККТ из автономного режима в режим передачи данных</source>
        <translation>Switch from autonomous mode to data transfer mode</translation>
    </message>
    <message>
        <source>Перевод ККТ из режима передачи данных в автономный режим</source>
        <translation>Switch from data transfer mode to autonomous mode</translation>
    </message>
    <message>
        <source>Изменение версии модели ККТ</source>
        <translation>Change of the register model version</translation>
    </message>
    <message>
        <source>Изменение перечня систем налогообложения, применяемых при осуществлении расчетов</source>
        <translation>Change of the tax systems used in settlements</translation>
    </message>
    <message>
        <source>Изменение номера автоматического устройства для расчетов, в составе которого применяется ККТ</source>
        <translation>Change of the number of the automatic settlement device holding the register</translation>
    </message>
    <message>
        <source>Перевод ККТ из автоматического режима в неавтоматический режим (осуществление расчетов кассиром)</source>
        <translation>Switch from automatic mode to non-automatic mode (settlements by a cashier)</translation>
    </message>
    <message>
        <source>Перевод ККТ из неавтоматического режима (осуществление расчетов кассиром) в автоматический режим</source>
        <translation>Switch from non-automatic mode (settlements by a cashier) to automatic mode</translation>
    </message>
    <message>
        <source>Перевод ККТ из режима, не позволяющего формировать БСО, в режим, позволяющий формировать БСО</source>
        <translation>Switch from a mode without strict reporting forms to a mode with them</translation>
    </message>
    <message>
        <source>Перевод ККТ из режима, позволяющего формировать БСО, в режим, не позволяющий формировать БСО</source>
        <translation>Switch from a mode with strict reporting forms to a mode without them</translation>
    </message>
    <message>
        <source>Перевод ККТ из режима расчетов в сети Интернет (позволяющего не печатать кассовый чек и БСО) в режим, позволяющий печатать кассовый чек и БСО</source>
        <translation>Switch from Internet settlement mode (receipts and forms need not be printed) to a mode that prints receipts and forms</translation>
    </message>
    <message>
        <source>Перевод ККТ из режима, позволяющего печатать кассовый чек и БСО, в режим расчетов в сети Интернет (позволяющего не печатать кассовый чек и БСО)</source>
        <translation>Switch from a mode that prints receipts and forms to Internet settlement mode (receipts and forms need not be printed)</translation>
    </message>
    <message>
        <source>Перевод ККТ из режима, позволяющего оказывать услуги платежного агента (субагента) или банковского платежного агента, в режим, не позволяющий оказывать услуги платежного агента (субагента) или банковского платежного агента</source>
        <translation>Switch from a mode allowing payment agent (subagent) or bank payment agent services to a mode not allowing them</translation>
    </message>
    <message>
        <source>Перевод ККТ из режима, не позволяющего оказывать услуги платежного агента (субагента) или банковского платежного агента в режим, позволяющий оказывать услуги платежного агента (субагента) или банковского платежного агента</source>
        <translation>Switch from a mode not allowing payment agent (subagent) or bank payment agent services to a mode allowing them</translation>
    </message>
    <message>
        <source>Перевод ККТ из режима, позволяющего применять ККТ при приеме ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению азартных игр, в режим, не позволяющий применять ККТ при приеме ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению азартных игр</source>
        <translation>Switch from a mode allowing use for gambling bets and winnings to a mode not allowing it</translation>
    </message>
    <message>
        <source>Перевод ККТ из режима, не позволяющего применять ККТ при приеме ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению азартных игр, в режим, позволяющий применять ККТ при приеме ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению азартных игр</source>
        <translation>Switch from a mode not allowing use for gambling bets and winnings to a mode allowing it</translation>
    </message>
    <message>
        <source>Перевод ККТ из режима, позволяющего применять ККТ при приеме денежных средств при реализации лотерейных билетов, электронных лотерейных билетов, приеме лотерейных ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению лотерей, в режим, не позволяющий применять ККТ при приеме денежных средств при реализации лотерейных билетов, электронных лотерейных билетов, приеме лотерейных ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению лотерей</source>
        <translation>Switch from a mode allowing use for lottery tickets, lottery bets and winnings to a mode not allowing it</translation>
    </message>
    <message>
        <source>Перевод ККТ из режима, не позволяющего применять ККТ при приеме денежных средств при реализации лотерейных билетов, электронных лотерейных билетов, приеме лотерейных ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению лотерей, в режим, позволяющий применять ККТ при приеме денежных средств при реализации лотерейных билетов, электронных лотерейных билетов, приеме лотерейных ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению лотерей</source>
        <translation>Switch from a mode not allowing use for lottery tickets, lottery bets and winnings to a mode allowing it</translation>
    </message>
    <message>
        <source>Изменение версии ФФД</source>
        <translation>Change of the fiscal document format version</translation>
    </message>
    <message>
        <source>Иные причины</source>
        <translation>Other reasons</translation>
    </message>
    <message>
        <source>Неизвестный код ошибки</source>
        <translation>Unknown error code</translation>
    </message>
    <message>
        <source>Неизвестный код ответа</source>
        <translation>Unknown response code</translation>
    </message>
    <message>
        <source>ОБНОВЛЕНО КЛЮЧЕЙ: %1, ОШИБОК НЕТ</source>
        <translation>KEYS UPDATED: %1, NO ERRORS</translation>
    </message>
    <message>
        <source>Обновление не требуется</source>
        <translation>No update needed</translation>
    </message>
    <message>
        <source>НЕТ СВЯЗИ</source>
        <translation>NO LINK</translation>
    </message>
    <message>
        <source>Обновление ключей проверки не выполнено. Обратитесь в службу технической поддержки</source>
        <translation>Check keys were not updated. Contact technical support</translation>
    </message>
    <message>
        <source>Обновление ключей проверки не выполнено.</source>
        <translation>Check keys were not updated.</translation>
    </message>
    <message>
        <source>Неизвестный ответ</source>
        <translation>Unknown response</translation>
    </message>
    <message>
        <source>Состояние фазы жизни</source>
        <translation>Life phase state</translation>
    </message>
    <message>
        <source>Код сист. налогообложения</source>
        <translation>Tax system code</translation>
    </message>
    <message>
        <source>Режим работы</source>
        <translation>Work mode</translation>
    </message>
    <message>
        <source>Расширенные признаки работы ККТ</source>
        <translation>Extended work mode flags</translation>
    </message>
    <message>
        <source>Код причины изменения сведений о ККТ</source>
        <translation>Registration change reason code</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>ИНН</source>
        <translation>INN</translation>
    </message>
    <message>
        <source>ИНН ОФД</source>
        <translation>OFD INN</translation>
    </message>
    <message>
        <source>Рег. номер ККТ</source>
        <translation>Registration number</translation>
    </message>
    <message>
        <source>Тип операции</source>
        <translation>Operation type</translation>
    </message>
    <message>
        <source>Сумма операции</source>
        <translation>Operation amount</translation>
    </message>
    <message>
        <source>Код причины перерегистрации</source>
        <translation>Re-registration reason code</translation>
    </message>
    <message>
        <source>Кол-во неподтвержд. документов</source>
        <translation>Unconfirmed documents</translation>
    </message>
    <message>
        <source>Дата 1-го неподтвержд. документа</source>
        <translation>First unconfirmed document date</translation>
    </message>
    <message>
        <source>Не удалось записать файл &quot;%1&quot;: %2</source>
        <translation>Could not write file &quot;%1&quot;: %2</translation>
    </message>
</context>
</TS>
