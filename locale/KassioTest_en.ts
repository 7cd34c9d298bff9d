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
</context>
</TS>
