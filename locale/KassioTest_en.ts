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
</context>
</TS>
