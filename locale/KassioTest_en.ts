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
        <source>РНМ</source>
        <translation>RNM</translation>
    </message>
    <message>
        <source>ИНН (макс. 12 симв.):</source>
        <translation>INN (max. 12 chars):</translation>
    </message>
    <message>
        <source>Зав. Номер ККТ (макс 20 симв.):</source>
        <translation>ECR serial number (max 20 chars):</translation>
    </message>
    <message>
        <source>Номер ККТ (макс. 10 симв.):</source>
        <translation>ECR number (max. 10 chars):</translation>
    </message>
    <message>
        <source>РНМ:</source>
        <translation>RNM:</translation>
    </message>
    <message>
        <source>Сгенерировать РНМ</source>
        <translation>Generate RNM</translation>
    </message>
    <message>
        <source>Запросить зав. номер</source>
        <translation>Read serial number</translation>
    </message>
    <message>
        <source>Коды причин изменения сведений о ККТ</source>
        <translation>Reason codes for changing ECR registration data</translation>
    </message>
    <message>
        <source>1. Замена фискального накопителя</source>
        <translation>1. Replacement of the fiscal drive</translation>
    </message>
    <message>
        <source>2. Замена оператора фискальных данных</source>
        <translation>2. Change of the fiscal data operator</translation>
    </message>
    <message>
        <source>3. Изменение наименования пользователя контрольно-кассовой техники</source>
        <translation>3. Change of the name of the cash register user</translation>
    </message>
    <message>
        <source>4. Изменение адреса и (или) места установки (применения) контрольно-кассовой техники</source>
        <translation>4. Change of the address and (or) place of installation (use) of the cash register</translation>
    </message>
    <message>
        <source>5. Перевод ККТ из автономного режима в режим передачи данных</source>
        <translation>5. Switching the ECR from autonomous mode to data transfer mode</translation>
    </message>
    <message>
        <source>6. Перевод ККТ из режима передачи данных в автономный режим</source>
        <translation>6. Switching the ECR from data transfer mode to autonomous mode</translation>
    </message>
    <message>
        <source>7. Изменение версии модели ККТ</source>
        <translation>7. Change of the ECR model version</translation>
    </message>
    <message>
        <source>8. Изменение перечня систем налогообложения, применяемых при осуществлении расчетов</source>
        <translation>8. Change of the list of tax systems used for settlements</translation>
    </message>
    <message>
        <source>9. Изменение номера автоматического устройства для расчетов, в составе которого применяется ККТ</source>
        <translation>9. Change of the number of the automatic settlement device that includes the ECR</translation>
    </message>
    <message>
        <source>10. Перевод ККТ из автоматического режима в неавтоматический режим (осуществление расчетов кассиром)</source>
        <translation>10. Switching the ECR from automatic to non-automatic mode (settlements by a cashier)</translation>
    </message>
    <message>
        <source>11. Перевод ККТ из неавтоматического режима (осуществление расчетов кассиром) в автоматический режим</source>
        <translation>11. Switching the ECR from non-automatic mode (settlements by a cashier) to automatic mode</translation>
    </message>
    <message>
        <source>12. Перевод ККТ из режима, не позволяющего формировать БСО, в режим, позволяющий формировать БСО</source>
        <translation>12. Switching the ECR from a mode that does not allow strict reporting forms to a mode that allows them</translation>
    </message>
    <message>
        <source>13. Перевод ККТ из режима, позволяющего формировать БСО, в режим, не позволяющий формировать БСО</source>
        <translation>13. Switching the ECR from a mode that allows strict reporting forms to a mode that does not allow them</translation>
    </message>
    <message>
        <source>14. Перевод ККТ из режима расчетов в сети Интернет (позволяющего не печатать кассовый чек и БСО) в режим, позволяющий печатать кассовый чек и БСО</source>
        <translation>14. Switching the ECR from Internet settlement mode (which allows not printing receipts and strict reporting forms) to a mode that allows printing them</translation>
    </message>
    <message>
        <source>15. Перевод ККТ из режима, позволяющего печатать кассовый чек и БСО, в режим расчетов в сети Интернет (позволяющего не печатать кассовый чек и БСО)</source>
        <translation>15. Switching the ECR from a mode that allows printing receipts and strict reporting forms to Internet settlement mode (which allows not printing them)</translation>
    </message>
    <message>
        <source>16. Перевод ККТ из режима, позволяющего оказывать услуги платежного агента (субагента) или банковского платежного агента, в режим, не позволяющий оказывать услуги платежного агента (субагента) или банковского платежного агента</source>
        <translation>16. Switching the ECR from a mode that allows payment agent (subagent) or bank payment agent services to a mode that does not allow them</translation>
    </message>
    <message>
        <source>17. Перевод ККТ из режима, не позволяющего оказывать услуги платежного агента (субагента) или банковского платежного агента в режим, позволяющий оказывать услуги платежного агента (субагента) или банковского платежного агента</source>
        <translation>17. Switching the ECR from a mode that does not allow payment agent (subagent) or bank payment agent services to a mode that allows them</translation>
    </message>
    <message>
        <source>18. Перевод ККТ из режима, позволяющего применять ККТ при приеме ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению азартных игр, в режим, не позволяющий применять ККТ при приеме ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению азартных игр</source>
        <translation>18. Switching the ECR from a mode that allows its use for accepting bets and paying out winnings in gambling to a mode that does not allow it</translation>
    </message>
    <message>
        <source>19. Перевод ККТ из режима, не позволяющего применять ККТ при приеме ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению азартных игр, в режим, позволяющий применять ККТ при приеме ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению азартных игр</source>
        <translation>19. Switching the ECR from a mode that does not allow its use for accepting bets and paying out winnings in gambling to a mode that allows it</translation>
    </message>
    <message>
        <source>20. Перевод ККТ из режима, позволяющего применять ККТ при приеме денежных средств при реализации лотерейных билетов, электронных лотерейных билетов, приеме лотерейных ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению лотерей, в режим, не позволяющий применять ККТ при приеме денежных средств при реализации лотерейных билетов, электронных лотерейных билетов, приеме лотерейных ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению лотерей</source>
        <translation>20. Switching the ECR from a mode that allows its use for selling lottery tickets and electronic lottery tickets, accepting lottery bets and paying out winnings in lotteries to a mode that does not allow it</translation>
    </message>
    <message>
        <source>21. Перевод ККТ из режима, не позволяющего применять ККТ при приеме денежных средств при реализации лотерейных билетов, электронных лотерейных билетов, приеме лотерейных ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению лотерей, в режим, позволяющий применять ККТ при приеме денежных средств при реализации лотерейных билетов, электронных лотерейных билетов, приеме лотерейных ставок и выплате денежных средств в виде выигрыша при осуществлении деятельности по проведению лотерей</source>
        <translation>21. Switching the ECR from a mode that does not allow its use for selling lottery tickets and electronic lottery tickets, accepting lottery bets and paying out winnings in lotteries to a mode that allows it</translation>
    </message>
    <message>
        <source>22. Изменение версии ФФД</source>
        <translation>22. Change of the FFD version</translation>
    </message>
    <message>
        <source>32. Иные причины</source>
        <translation>32. Other reasons</translation>
    </message>
    <message>
        <source>Запросы</source>
        <translation>Requests</translation>
    </message>
    <message>
        <source>Длинный запрос</source>
        <translation>Long request</translation>
    </message>
    <message>
        <source>Краткий запрос</source>
        <translation>Short request</translation>
    </message>
    <message>
        <source>Сбросить состояние</source>
        <translation>Reset state</translation>
    </message>
    <message>
        <source>Параметры модели</source>
        <translation>Model parameters</translation>
    </message>
    <message>
        <source>Версия драйвера</source>
        <translation>Driver version</translation>
    </message>
    <message>
        <source>Таблицы...</source>
        <translation>Tables...</translation>
    </message>
    <message>
        <source>Описания ошибок</source>
        <translation>Error descriptions</translation>
    </message>
    <message>
        <source>Заводской номер</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source> Параметры Модели:</source>
        <translation> Model parameters:</translation>
    </message>
    <message>
        <source> Версия драйвера:</source>
        <translation> Driver version:</translation>
    </message>
    <message>
        <source>Версия</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Подверсия</source>
        <translation>Subversion</translation>
    </message>
    <message>
        <source>Релиз</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>Сборка</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>Полная версия</source>
        <translation>Full version</translation>
    </message>
    <message>
        <source>Полное состояние</source>
        <translation>Full status</translation>
    </message>
    <message>
        <source>Получить</source>
        <translation>Get</translation>
    </message>
    <message>
        <source>Прервать</source>
        <translation>Interrupt</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>&lt;Прервано пользователем&gt;</source>
        <translation>&lt;Interrupted by user&gt;</translation>
    </message>
    <message>
        <source> Полное состояние</source>
        <translation> Full status</translation>
    </message>
    <message>
        <source> ТАБЛИЦЫ:</source>
        <translation> TABLES:</translation>
    </message>
    <message>
        <source> ТАБЛИЦА %1. %2. Рядов:%3 Полей:%4</source>
        <translation> TABLE %1. %2. Rows:%3 Fields:%4</translation>
    </message>
    <message>
        <source> Ряд.Поле. Наименование:Значение</source>
        <translation> Row.Field. Name:Value</translation>
    </message>
    <message>
        <source> ДЕНЕЖНЫЕ РЕГИСТРЫ:</source>
        <translation> CASH REGISTERS:</translation>
    </message>
    <message>
        <source>&lt;Прервано в результате ошибки: %1 %2&gt;</source>
        <translation>&lt;Interrupted by error: %1 %2&gt;</translation>
    </message>
    <message>
        <source> ОПЕРАЦИОННЫЕ РЕГИСТРЫ:</source>
        <translation> OPERATION REGISTERS:</translation>
    </message>
    <message>
        <source>Текстовые файлы (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Все файлы (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Ошибка записи файла &quot;%1&quot;: %2</source>
        <translation>Error writing file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Неизвестная команда, неверный формат посылки или неизвестные параметры</source>
        <translation>Unknown command, invalid message format or unknown parameters</translation>
    </message>
    <message>
        <source>Другое состояние ФН</source>
        <translation>Different FN state</translation>
    </message>
    <message>
        <source>Отказ ФН</source>
        <translation>FN failure</translation>
    </message>
    <message>
        <source>Отказ КС</source>
        <translation>Crypto processor failure</translation>
    </message>
    <message>
        <source>Параметры команды не соответствуют сроку жизни ФН</source>
        <translation>Command parameters do not match the FN life stage</translation>
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
        <translation>Attributes not allowed</translation>
    </message>
    <message>
        <source>Дублирование данных</source>
        <translation>Duplicate data</translation>
    </message>
    <message>
        <source>Отсутствуют данные, необходимые для корректного учета в ФН</source>
        <translation>Data required for correct accounting in the FN is missing</translation>
    </message>
    <message>
        <source>Количество позиций в документе превысило допустимый предел</source>
        <translation>The number of items in the document exceeds the limit</translation>
    </message>
    <message>
        <source>Превышение размеров TLV данных</source>
        <translation>TLV data size exceeded</translation>
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
        <translation>FN resource limited</translation>
    </message>
    <message>
        <source>Исчерпан ресурс Ожидания передачи сообщения</source>
        <translation>Message transmission wait resource exhausted</translation>
    </message>
    <message>
        <source>Продолжительность смены более 24 часов</source>
        <translation>Shift longer than 24 hours</translation>
    </message>
    <message>
        <source>Некорректные данные о промежутке времени между фискальными документами</source>
        <translation>Invalid time interval between fiscal documents</translation>
    </message>
    <message>
        <source>Некорректный реквизит, переданный ККТ в ФН</source>
        <translation>Invalid attribute passed by the register to the FN</translation>
    </message>
    <message>
        <source>Реквизит не соответствует установкам при регистрации</source>
        <translation>Attribute does not match the registration settings</translation>
    </message>
    <message>
        <source>Ошибка при обработке ответа в ФН</source>
        <translation>Error processing the answer in the FN</translation>
    </message>
    <message>
        <source>Нет связи с ФН. Фатальная ошибка !!!</source>
        <translation>No connection with the FN. Fatal error !!!</translation>
    </message>
    <message>
        <source>Ошибка сервиса обновления ключей проверки кодов маркировки</source>
        <translation>Marking code check key update service error</translation>
    </message>
    <message>
        <source>Неизвестный ответ сервиса обновления ключей проверки</source>
        <translation>Unknown answer of the check key update service</translation>
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
        <translation>Required attributes are missing in the TLV block</translation>
    </message>
    <message>
        <source>В реквизите 2007 содержится КМ, который ранее не проверялся в ФН</source>
        <translation>Attribute 2007 holds a marking code not checked in the FN before</translation>
    </message>
    <message>
        <source>Неизвестный код ошибки</source>
        <translation>Unknown error code</translation>
    </message>
    <message>
        <source>TCP сокет (RNDIS, Ethernet, WI-FI, ppp)</source>
        <translation>TCP socket (RNDIS, Ethernet, WI-FI, ppp)</translation>
    </message>
    <message>
        <source>I2C (Основная плата)</source>
        <translation>I2C (main board)</translation>
    </message>
    <message>
        <source>неизвестный тип</source>
        <translation>unknown type</translation>
    </message>
    <message>
        <source>Фиск./активиз. ЭКЛЗ</source>
        <translation>Fiscalization/EKLZ activation</translation>
    </message>
    <message>
        <source>Сменный итог</source>
        <translation>Shift total</translation>
    </message>
    <message>
        <source>Требуется срочное обновление</source>
        <translation>Urgent update required</translation>
    </message>
    <message>
        <source>Требуется обновление</source>
        <translation>Update required</translation>
    </message>
    <message>
        <source>ОБНОВЛЕНО КЛЮЧЕЙ: %1, ОШИБОК НЕТ</source>
        <translation>KEYS UPDATED: %1, NO ERRORS</translation>
    </message>
    <message>
        <source>Обновление не производилось, потому что не требуется</source>
        <translation>No update made because none is required</translation>
    </message>
    <message>
        <source>Нет связи с сервером АС ОКП</source>
        <translation>No connection with the key server</translation>
    </message>
    <message>
        <source> Режим: </source>
        <translation> Mode: </translation>
    </message>
    <message>
        <source> Запрос состояния:</source>
        <translation> Status request:</translation>
    </message>
    <message>
        <source>Версия ПО</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>Сборка ПО</source>
        <translation>Firmware build</translation>
    </message>
    <message>
        <source>Дата ПО</source>
        <translation>Firmware date</translation>
    </message>
    <message>
        <source>Версия ПО ФП</source>
        <translation>FM firmware version</translation>
    </message>
    <message>
        <source>Сборка ПО ФП</source>
        <translation>FM firmware build</translation>
    </message>
    <message>
        <source>Дата ПО ФП</source>
        <translation>FM firmware date</translation>
    </message>
    <message>
        <source>Подрежим</source>
        <translation>Submode</translation>
    </message>
    <message>
        <source>Статус режима</source>
        <translation>Mode status</translation>
    </message>
    <message>
        <source>Номер ККМ в зале</source>
        <translation>Register number in hall</translation>
    </message>
    <message>
        <source>Номер документа</source>
        <translation>Document number</translation>
    </message>
    <message>
        <source>Интерфейс подключения</source>
        <translation>Connection interface</translation>
    </message>
    <message>
        <source>Количество фискализаций</source>
        <translation>Fiscalizations made</translation>
    </message>
    <message>
        <source>Осталось фискализаций</source>
        <translation>Fiscalizations left</translation>
    </message>
    <message>
        <source>Последняя закрытая смена</source>
        <translation>Last closed shift</translation>
    </message>
    <message>
        <source>Свободных записей в ФП</source>
        <translation>Free FM records</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Время</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>ИНН</source>
        <translation>INN</translation>
    </message>
    <message>
        <source>Флаги</source>
        <translation>Flags</translation>
    </message>
    <message>
        <source>Флаги ФП</source>
        <translation>FM flags</translation>
    </message>
    <message>
        <source>Доп. Флаги ФП</source>
        <translation>Extra FM flags</translation>
    </message>
    <message>
        <source>24 часа в ФП кончились</source>
        <translation>24 hours in FM are over</translation>
    </message>
    <message>
        <source>Смена в ФП открыта</source>
        <translation>Shift open in FM</translation>
    </message>
    <message>
        <source>Последняя запись в ФП повреждена</source>
        <translation>Last FM record corrupted</translation>
    </message>
    <message>
        <source>Батарея ФП заряжена более 80 %</source>
        <translation>FM battery charged over 80 %</translation>
    </message>
    <message>
        <source>Переполнение ФП</source>
        <translation>FM overflow</translation>
    </message>
    <message>
        <source>ФП2 есть</source>
        <translation>FM2 present</translation>
    </message>
    <message>
        <source>ФП1 есть</source>
        <translation>FM1 present</translation>
    </message>
    <message>
        <source>Режим АСПД</source>
        <translation>ASPD mode</translation>
    </message>
    <message>
        <source>Блокировка ККТ по неверному паролю НИ</source>
        <translation>Locked by wrong tax officer password</translation>
    </message>
    <message>
        <source>Повреждены 3 или более записей</source>
        <translation>3 or more records corrupted</translation>
    </message>
    <message>
        <source>Повреждена запись фискализации</source>
        <translation>Fiscalization record corrupted</translation>
    </message>
    <message>
        <source>Тип последней записи ФП</source>
        <translation>Last FM record type</translation>
    </message>
    <message>
        <source> Краткий запрос состояния:</source>
        <translation> Short status request:</translation>
    </message>
    <message>
        <source>Количество операций в чеке</source>
        <translation>Operations in receipt</translation>
    </message>
    <message>
        <source>Напряжение батареи, В</source>
        <translation>Battery voltage, V</translation>
    </message>
    <message>
        <source>Напряжение источника, В</source>
        <translation>Power supply voltage, V</translation>
    </message>
    <message>
        <source>Ошибка ФП</source>
        <translation>FM error</translation>
    </message>
    <message>
        <source>Ошибка ЭКЛЗ</source>
        <translation>EKLZ error</translation>
    </message>
    <message>
        <source>Предыдущий режим ККТ</source>
        <translation>Previous register mode</translation>
    </message>
    <message>
        <source>Температура ТПГ</source>
        <translation>Print head temperature</translation>
    </message>
    <message>
        <source>Код ошибки при обновлении ключей</source>
        <translation>Key update error code</translation>
    </message>
    <message>
        <source>Статус обновления ключей</source>
        <translation>Key update status</translation>
    </message>
    <message>
        <source>Кол-во обновленных ключей</source>
        <translation>Keys updated</translation>
    </message>
    <message>
        <source>Результат последней печати</source>
        <translation>Last print result</translation>
    </message>
    <message>
        <source> Параметры принтера:</source>
        <translation> Printer parameters:</translation>
    </message>
    <message>
        <source> Кодовая страница    : </source>
        <translation> Code page           : </translation>
    </message>
    <message>
        <source> Описание устройства : </source>
        <translation> Device description  : </translation>
    </message>
    <message>
        <source> Версия протокола    : </source>
        <translation> Protocol version    : </translation>
    </message>
    <message>
        <source> Подверсия протокола : </source>
        <translation> Protocol subversion : </translation>
    </message>
    <message>
        <source> Тип устройства      : </source>
        <translation> Device type         : </translation>
    </message>
    <message>
        <source> Подтип устройства   : </source>
        <translation> Device subtype      : </translation>
    </message>
    <message>
        <source> Модель устройства   : </source>
        <translation> Device model        : </translation>
    </message>
    <message>
        <source>Увеличенная точность количества</source>
        <translation>Increased quantity precision</translation>
    </message>
    <message>
        <source>Бумага на выходе из накопителя</source>
        <translation>Paper at presenter exit</translation>
    </message>
    <message>
        <source>Бумага на входе в накопитель</source>
        <translation>Paper at presenter entry</translation>
    </message>
    <message>
        <source>ЭКЛЗ почти заполнена</source>
        <translation>EKLZ almost full</translation>
    </message>
    <message>
        <source>Денежный ящик открыт</source>
        <translation>Cash drawer open</translation>
    </message>
    <message>
        <source>Крышка корпуса поднята</source>
        <translation>Cover raised</translation>
    </message>
    <message>
        <source>Рычаг термоголовки чека опущен</source>
        <translation>Receipt head lever down</translation>
    </message>
    <message>
        <source>Рычаг термоголовки журнала опущен</source>
        <translation>Journal head lever down</translation>
    </message>
    <message>
        <source>Оптический датчик чека</source>
        <translation>Receipt optical sensor</translation>
    </message>
    <message>
        <source>Оптический датчик журнала</source>
        <translation>Journal optical sensor</translation>
    </message>
    <message>
        <source>ЭКЛЗ есть</source>
        <translation>EKLZ present</translation>
    </message>
    <message>
        <source>2 знака после запятой в цене</source>
        <translation>2 decimals in price</translation>
    </message>
    <message>
        <source>Нижний датчик ПД</source>
        <translation>Slip lower sensor</translation>
    </message>
    <message>
        <source>Верхний датчик ПД</source>
        <translation>Slip upper sensor</translation>
    </message>
    <message>
        <source>Рулон чековой ленты</source>
        <translation>Receipt roll</translation>
    </message>
    <message>
        <source>Рулон контрольной ленты</source>
        <translation>Journal roll</translation>
    </message>
    <message>
        <source>Занят</source>
        <translation>Busy</translation>
    </message>
    <message>
        <source>СКЗИ</source>
        <translation>Crypto module</translation>
    </message>
    <message>
        <source>Соединение с сервером</source>
        <translation>Connection with server</translation>
    </message>
    <message>
        <source>Запрет обслуживания по окончанию сертификата СКЗИ</source>
        <translation>Service blocked: crypto module certificate expired</translation>
    </message>
    <message>
        <source>Запрет обслуживания по не переданным суточным (сменным) отчетам (Z-отчетам)</source>
        <translation>Service blocked: daily (shift) reports (Z reports) not sent</translation>
    </message>
    <message>
        <source>Запрет обслуживания по переполнению памяти СКНО</source>
        <translation>Service blocked: SKNO memory full</translation>
    </message>
    <message>
        <source>Идентификация прошла успешно</source>
        <translation>Identification succeeded</translation>
    </message>
    <message>
        <source>Смена открыта</source>
        <translation>Shift open</translation>
    </message>
    <message>
        <source>Не завершена процедура по переданному документу</source>
        <translation>Procedure for the sent document not completed</translation>
    </message>
    <message>
        <source>Наличие в памяти СКНО не переданных документов</source>
        <translation>Unsent documents in SKNO memory</translation>
    </message>
    <message>
        <source>Превышен максимальный размер электронного кассового документа</source>
        <translation>Maximum size of electronic cash document exceeded</translation>
    </message>
    <message>
        <source>СКНО исправно</source>
        <translation>SKNO in order</translation>
    </message>
    <message>
        <source>Статус СКНО:</source>
        <translation>SKNO status:</translation>
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
        <source>Вы уверены, что хотите произвести закрытие фискального режима?<byte value="xd"/>
Данное действие необратимо.</source>
        <translation>Are you sure you want to close the fiscal mode?<byte value="xd"/>
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
        <source>Ошибка. См. напечатанное.<byte value="xd"/>
 Либо не поддерживается данной прошивкой,<byte value="xd"/>
 либо ключи уже обновлены</source>
        <translation>Error. See the printout.<byte value="xd"/>
 Either not supported by this firmware,<byte value="xd"/>
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
        <source>Неизвестный код ответа</source>
        <translation>Unknown response code</translation>
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
        <source>ККТ в общественном питании</source>
        <translation>Catering</translation>
    </message>
    <message>
        <source>Оптовая торговля с организациями и ИП</source>
        <translation>Wholesale to organisations and sole traders</translation>
    </message>
    <message>
        <source>Признак торговли маркиров. товарами (1.2)</source>
        <translation>Marked goods trade flag (1.2)</translation>
    </message>
    <message>
        <source>Признак ломбардной деятельности (1.2)</source>
        <translation>Pawnshop activity flag (1.2)</translation>
    </message>
    <message>
        <source>Признак страховой деятельности (1.2)</source>
        <translation>Insurance activity flag (1.2)</translation>
    </message>
    <message>
        <source>ККТ с торговым автоматом (1.2)</source>
        <translation>Register with a vending machine (1.2)</translation>
    </message>
    <message>
        <source>Замена ФН</source>
        <translation>FN replacement</translation>
    </message>
    <message>
        <source>Замена ОФД</source>
        <translation>OFD replacement</translation>
    </message>
    <message>
        <source>Изменение реквизитов</source>
        <translation>Change of details</translation>
    </message>
    <message>
        <source>Изменение настроек ККТ</source>
        <translation>Change of register settings</translation>
    </message>
    <message>
        <source>Неизвестный код</source>
        <translation>Unknown code</translation>
    </message>
    <message>
        <source>Фискализация ФН</source>
        <translation>FN fiscalization</translation>
    </message>
    <message>
        <source>Отчет о регистрации ККТ</source>
        <translation>Registration report</translation>
    </message>
    <message>
        <source>Отчет об изменении параметров регистрации ККТ в связи с заменой ФН</source>
        <translation>Registration change report due to FN replacement</translation>
    </message>
    <message>
        <source>Отчет об изменении параметров регистрации ККТ без замены ФН</source>
        <translation>Registration change report without FN replacement</translation>
    </message>
    <message>
        <source>Тип отчета:</source>
        <translation>Report type:</translation>
    </message>
    <message>
        <source>ИНН:</source>
        <translation>INN:</translation>
    </message>
    <message>
        <source>ИП (12 цифр)</source>
        <translation>Sole trader (12 digits)</translation>
    </message>
    <message>
        <source>ЮР. лицо (10 цифр)</source>
        <translation>Legal entity (10 digits)</translation>
    </message>
    <message>
        <source>Тип ИНН:</source>
        <translation>INN type:</translation>
    </message>
    <message>
        <source>РНМ ККТ:</source>
        <translation>Register RNM:</translation>
    </message>
    <message>
        <source>Код налогообложения:</source>
        <translation>Tax system code:</translation>
    </message>
    <message>
        <source>Режим работы:</source>
        <translation>Work mode:</translation>
    </message>
    <message>
        <source>Расш. режим работы:</source>
        <translation>Extended work mode:</translation>
    </message>
    <message>
        <source>Номер автомата:</source>
        <translation>Vending machine number:</translation>
    </message>
    <message>
        <source>1. Замена ФН</source>
        <translation>1. FN replacement</translation>
    </message>
    <message>
        <source>2. Замена ОФД</source>
        <translation>2. OFD replacement</translation>
    </message>
    <message>
        <source>3. Изменение реквизитов</source>
        <translation>3. Change of details</translation>
    </message>
    <message>
        <source>4. Изменение настроек ККТ</source>
        <translation>4. Change of register settings</translation>
    </message>
    <message>
        <source>Код причины перерегистрации:</source>
        <translation>Re-registration reason code:</translation>
    </message>
    <message>
        <source>Коды причин изм. сведений о ККТ (ФФД 1.2):</source>
        <translation>Registration change reason codes (FFD 1.2):</translation>
    </message>
    <message>
        <source>Номер фискализации:</source>
        <translation>Fiscalization number:</translation>
    </message>
    <message>
        <source>Номер тега:</source>
        <translation>Tag number:</translation>
    </message>
    <message>
        <source>Требуется ФФД 1.2 и ФН с поддержкой ОСУ</source>
        <translation>Requires FFD 1.2 and an FN supporting OSU</translation>
    </message>
    <message>
        <source>ПСН</source>
        <translation>Patent</translation>
    </message>
    <message>
        <source>Применение в Интернет </source>
        <translation>Internet use </translation>
    </message>
    <message>
        <source>ККТ в обществ. питании*</source>
        <translation>Catering*</translation>
    </message>
    <message>
        <source>Опт. торговля с организациями и ИП*</source>
        <translation>Wholesale to organisations and sole traders*</translation>
    </message>
    <message>
        <source>Продажа подакцизн. товара</source>
        <translation>Excise goods sale</translation>
    </message>
    <message>
        <source>Проведение азартных игр</source>
        <translation>Gambling</translation>
    </message>
    <message>
        <source>Проведение лотереи</source>
        <translation>Lottery</translation>
    </message>
    <message>
        <source>Призн. устан. принтера в автомате</source>
        <translation>Printer installed in vending machine</translation>
    </message>
    <message>
        <source>Торговля маркиров. товарами (1.2)</source>
        <translation>Marked goods trade (1.2)</translation>
    </message>
    <message>
        <source>Ломбардная деятельность (1.2)</source>
        <translation>Pawnshop activity (1.2)</translation>
    </message>
    <message>
        <source>Страховая деятельность (1.2)</source>
        <translation>Insurance activity (1.2)</translation>
    </message>
    <message>
        <source>ККТ с торговым автоматом (1.2) *</source>
        <translation>Register with a vending machine (1.2) *</translation>
    </message>
    <message>
        <source>* Требуется ФФД 1.2 и ФН с поддержкой ОСУ</source>
        <translation>* Requires FFD 1.2 and an FN supporting OSU</translation>
    </message>
    <message>
        <source>Начать отчет о регистрации ККТ</source>
        <translation>Begin registration report</translation>
    </message>
    <message>
        <source>Сформировать отчет о регистрации ККТ</source>
        <translation>Build registration report</translation>
    </message>
    <message>
        <source>Сформ. отчет о перерегистрации ККТ</source>
        <translation>Build re-registration report</translation>
    </message>
    <message>
        <source>Запрос итогов фискализации</source>
        <translation>Fiscalization result</translation>
    </message>
    <message>
        <source>Запрос итогов фискализ. по номеру</source>
        <translation>Fiscalization result by number</translation>
    </message>
    <message>
        <source>Запрос документа о регистрации</source>
        <translation>Registration document</translation>
    </message>
    <message>
        <source>Запрос тега документа о регистрации</source>
        <translation>Registration document tag</translation>
    </message>
    <message>
        <source>Текущая прошивка ККТ <byte value="xd"/>
не поддерживает следующие параметры: <byte value="xd"/>
 ККТ в обществ. питании,<byte value="xd"/>
 Опт. торговля с организациями и ИП,<byte value="xd"/>
 ККТ с торговым автоматом.<byte value="xd"/>
Продолжить в любом случае?</source>
        <translation>The current register firmware <byte value="xd"/>
does not support the following parameters: <byte value="xd"/>
 catering,<byte value="xd"/>
 wholesale to organisations and sole traders,<byte value="xd"/>
 register with a vending machine.<byte value="xd"/>
Continue anyway?</translation>
    </message>
    <message>
        <source>ФН не поддерживает ОСУ.<byte value="xd"/>
Следующие параметры не поддерживаются:<byte value="xd"/>
 ККТ в обществ. питании,<byte value="xd"/>
 Опт. торговля с организациями и ИП,<byte value="xd"/>
 ККТ с торговым автоматом.<byte value="xd"/>
Продолжить в любом случае?</source>
        <translation>The FN does not support OSU.<byte value="xd"/>
The following parameters are not supported:<byte value="xd"/>
 catering,<byte value="xd"/>
 wholesale to organisations and sole traders,<byte value="xd"/>
 register with a vending machine.<byte value="xd"/>
Continue anyway?</translation>
    </message>
    <message>
        <source>Длина ИНН должна быть 10 символов</source>
        <translation>INN must be 10 characters long</translation>
    </message>
    <message>
        <source>Длина ИНН должна быть 12 символов</source>
        <translation>INN must be 12 characters long</translation>
    </message>
    <message>
        <source>Сформировать отчет о перерегистрации</source>
        <translation>Build re-registration report</translation>
    </message>
    <message>
        <source>Запрос итогов фискализации ФН</source>
        <translation>FN fiscalization result</translation>
    </message>
    <message>
        <source>Запрос итогов фискализации ФН по номеру</source>
        <translation>FN fiscalization result by number</translation>
    </message>
    <message>
        <source>Чек коррекции (ФФД 1.05)</source>
        <translation>Correction receipt (FFD 1.05)</translation>
    </message>
    <message>
        <source>Тип коррекции:</source>
        <translation>Correction type:</translation>
    </message>
    <message>
        <source>0. Cамостоятельно </source>
        <translation>0. Own initiative </translation>
    </message>
    <message>
        <source>1. По предписанию</source>
        <translation>1. By order</translation>
    </message>
    <message>
        <source>Признак расчета:</source>
        <translation>Calculation sign:</translation>
    </message>
    <message>
        <source>1. Коррекция прихода</source>
        <translation>1. Income correction</translation>
    </message>
    <message>
        <source>3. Коррекция расхода</source>
        <translation>3. Expense correction</translation>
    </message>
    <message>
        <source>Сист. налогообл.:</source>
        <translation>Tax system:</translation>
    </message>
    <message>
        <source>Общая</source>
        <translation>General</translation>
    </message>
    <message>
        <source>УСН доход - расход</source>
        <translation>Simplified, income minus expense</translation>
    </message>
    <message>
        <source>ЕСН</source>
        <translation>Unified agricultural tax</translation>
    </message>
    <message>
        <source>Сумма расчета:</source>
        <translation>Calculation total:</translation>
    </message>
    <message>
        <source>Сумма по чеку нал:</source>
        <translation>Cash total:</translation>
    </message>
    <message>
        <source>Сумма по чеку безналичн.:</source>
        <translation>Electronic total:</translation>
    </message>
    <message>
        <source>Сумма по чеку предопл:</source>
        <translation>Prepayment total:</translation>
    </message>
    <message>
        <source>Сумма по чеку постопл.:</source>
        <translation>Postpayment total:</translation>
    </message>
    <message>
        <source>Сумма по чеку встречн. предост.:</source>
        <translation>Counter-provision total:</translation>
    </message>
    <message>
        <source>Сумма НДС 20%:</source>
        <translation>VAT 20% sum:</translation>
    </message>
    <message>
        <source>Сумма НДС 10%:</source>
        <translation>VAT 10% sum:</translation>
    </message>
    <message>
        <source>Сумма расч. по ставке 0%:</source>
        <translation>Total at 0% rate:</translation>
    </message>
    <message>
        <source>Сумма расч. по чеку без НДС:</source>
        <translation>Total without VAT:</translation>
    </message>
    <message>
        <source>Сумма расч. по расч. ст.20/120:</source>
        <translation>Total at 20/120 rate:</translation>
    </message>
    <message>
        <source>Сумма расч. по расч. ст.10/110:</source>
        <translation>Total at 10/110 rate:</translation>
    </message>
    <message>
        <source>Сумма НДС 5%</source>
        <translation>VAT 5% sum</translation>
    </message>
    <message>
        <source>Сумма НДС 7%</source>
        <translation>VAT 7% sum</translation>
    </message>
    <message>
        <source>Сумма  рас. рпл расч. ст. 5/105</source>
        <translation>Total at 5/105 rate</translation>
    </message>
    <message>
        <source>Сумма  рас. рпл расч. ст. 7/107</source>
        <translation>Total at 7/107 rate</translation>
    </message>
    <message>
        <source>Передавать суммы НДС: 5%, 7%, 5/105, 7/107  </source>
        <translation>Send VAT sums: 5%, 7%, 5/105, 7/107  </translation>
    </message>
    <message>
        <source>Номер док-та основания:</source>
        <translation>Basis document number:</translation>
    </message>
    <message>
        <source>Дата док-та основания корр.:</source>
        <translation>Correction basis document date:</translation>
    </message>
    <message>
        <source>Начать форм. чека коррекции (ФФД 1.05)</source>
        <translation>Begin correction receipt (FFD 1.05)</translation>
    </message>
    <message>
        <source>Сформировать чек коррекции v2 (ФФД 1.05)</source>
        <translation>Build correction receipt v2 (FFD 1.05)</translation>
    </message>
    <message>
        <source>Сформировать чек коррекции с основанием (ФФД 1.05)</source>
        <translation>Build correction receipt with basis (FFD 1.05)</translation>
    </message>
    <message>
        <source>Сформировать чек коррекции v1 (устаревш.)</source>
        <translation>Build correction receipt v1 (obsolete)</translation>
    </message>
    <message>
        <source>Агент</source>
        <translation>Agent</translation>
    </message>
    <message>
        <source>Передавать теги в составе позиции</source>
        <translation>Send tags as part of the position</translation>
    </message>
    <message>
        <source>Передавать теги в составе документа</source>
        <translation>Send tags as part of the document</translation>
    </message>
    <message>
        <source>Банк. пл. агент</source>
        <translation>Bank payment agent</translation>
    </message>
    <message>
        <source>Банк. пл. субагент</source>
        <translation>Bank payment subagent</translation>
    </message>
    <message>
        <source>Пл. агент</source>
        <translation>Payment agent</translation>
    </message>
    <message>
        <source>Пл. субагент</source>
        <translation>Payment subagent</translation>
    </message>
    <message>
        <source>Поверенный</source>
        <translation>Attorney</translation>
    </message>
    <message>
        <source>Комиссионер</source>
        <translation>Commission agent</translation>
    </message>
    <message>
        <source>Тел. оператора перевода*:</source>
        <translation>Transfer operator phone*:</translation>
    </message>
    <message>
        <source>Опер. плат. агента:</source>
        <translation>Payment agent operation:</translation>
    </message>
    <message>
        <source>Тел. плат. агента*:</source>
        <translation>Payment agent phone*:</translation>
    </message>
    <message>
        <source>Тел. опер. по приему плат.*:</source>
        <translation>Payment acceptance operator phone*:</translation>
    </message>
    <message>
        <source>Наим. операт. перевода:</source>
        <translation>Transfer operator name:</translation>
    </message>
    <message>
        <source>Адр. операт. перевода:</source>
        <translation>Transfer operator address:</translation>
    </message>
    <message>
        <source>ИНН операт. перевода:</source>
        <translation>Transfer operator INN:</translation>
    </message>
    <message>
        <source>Тел. поставщика*:</source>
        <translation>Supplier phone*:</translation>
    </message>
    <message>
        <source>Наим. поставщика:</source>
        <translation>Supplier name:</translation>
    </message>
    <message>
        <source>ИНН поставщика:</source>
        <translation>Supplier INN:</translation>
    </message>
    <message>
        <source>Данные агента</source>
        <translation>Agent data</translation>
    </message>
    <message>
        <source>Данные поставщика</source>
        <translation>Supplier data</translation>
    </message>
    <message>
        <source>* Можно указать несколько телефонных номеров, разделив их запятой</source>
        <translation>* Several phone numbers may be given, separated by commas</translation>
    </message>
    <message>
        <source>Передать признак агента</source>
        <translation>Send agent sign</translation>
    </message>
    <message>
        <source>Передать данные агента</source>
        <translation>Send agent data</translation>
    </message>
    <message>
        <source>Передать данные поставщика</source>
        <translation>Send supplier data</translation>
    </message>
    <message>
        <source>Передать ИНН поставщика</source>
        <translation>Send supplier INN</translation>
    </message>
</context>
</TS>
