<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutContentView</name>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Typed in the wrong language? Korrelang instantly converts selected text between keyboard layouts with a single hotkey. It runs silently in your menu bar.</source>
        <translation>Набрали текст не в той раскладке? Korrelang мгновенно переводит выделенный текст в нужную раскладку одним сочетанием клавиш. Программа незаметно работает в области уведомлений.</translation>
    </message>
    <message>
        <source>Created by </source>
        <translation>Авторы: </translation>
    </message>
    <message>
        <source>the Korrelang developers</source>
        <translation>разработчики Korrelang</translation>
    </message>
    <message>
        <source>Free software for everyone who types in more than one language.</source>
        <translation>Свободная программа для всех, кто пишет на нескольких языках.</translation>
    </message>
    <message>
        <source>PRIVACY POLICY</source>
        <translation>ПОЛИТИКА КОНФИДЕНЦИАЛЬНОСТИ</translation>
    </message>
    <message>
        <source>This is a shortened summary. Read the full privacy policy at %1.</source>
        <translation>Это краткое изложение. Полная политика конфиденциальности: %1.</translation>
    </message>
    <message>
        <source>Your text stays on your device</source>
        <translation>Ваш текст не покидает устройство</translation>
    </message>
    <message>
        <source>Korrelang processes all text locally. Your text, keystrokes, and personal information are never collected, stored, or transmitted.</source>
        <translation>Korrelang обрабатывает весь текст локально. Ваш текст, нажатия клавиш и личные данные никогда не собираются, не хранятся и не передаются.</translation>
    </message>
    <message>
        <source>Anonymous analytics</source>
        <translation>Анонимная статистика</translation>
    </message>
    <message>
        <source>When enabled (the default), Korrelang sends anonymous, non-identifiable usage data (app version, Linux version, language pair) to a privacy-first analytics service based in Germany. All identifiers are SHA-256-hashed on your device. You can disable this anytime in Preferences &gt; Advanced.</source>
        <translation>Если эта функция включена (по умолчанию), Korrelang отправляет анонимные обезличенные данные об использовании (версия программы, версия Linux, языковая пара) в сервис аналитики, ставящий конфиденциальность на первое место и расположенный в Германии. Все идентификаторы хешируются SHA-256 на вашем устройстве. Отключить это можно в любой момент в разделе «Настройки &gt; Дополнительно».</translation>
    </message>
    <message>
        <source>This build has no analytics address and sends nothing.</source>
        <translation>В этой сборке адрес аналитики не задан, поэтому ничего не отправляется.</translation>
    </message>
    <message>
        <source>Your rights</source>
        <translation>Ваши права</translation>
    </message>
    <message>
        <source>You can request access, correction, or deletion of your personal data at any time. EU residents may also lodge a complaint with their local data protection authority.</source>
        <translation>Вы можете в любой момент запросить доступ к своим персональным данным, их исправление или удаление. Жители ЕС также могут подать жалобу в местный орган по защите данных.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Связаться</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Скопировано!</translation>
    </message>
    <message>
        <source>Read full privacy policy</source>
        <translation>Полная политика конфиденциальности</translation>
    </message>
    <message>
        <source>HOW TO UNINSTALL</source>
        <translation>КАК УДАЛИТЬ</translation>
    </message>
    <message>
        <source>Quit the App</source>
        <translation>Закройте программу</translation>
    </message>
    <message>
        <source>Click the tray icon → Quit</source>
        <translation>Нажмите на значок в области уведомлений → «Выйти»</translation>
    </message>
    <message>
        <source>Remove the App</source>
        <translation>Удалите программу</translation>
    </message>
    <message>
        <source>Remove the korrelang package with your package manager, for example:</source>
        <translation>Удалите пакет korrelang менеджером пакетов, например:</translation>
    </message>
    <message>
        <source>Remove Settings (optional)</source>
        <translation>Удалите настройки (необязательно)</translation>
    </message>
    <message>
        <source>Open a terminal and run:</source>
        <translation>Откройте терминал и выполните:</translation>
    </message>
    <message>
        <source>Remove from Autostart</source>
        <translation>Уберите из автозапуска</translation>
    </message>
    <message>
        <source>Delete the autostart file:</source>
        <translation>Удалите файл автозапуска:</translation>
    </message>
</context>
<context>
    <name>AlertSheet</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>Alerts</name>
    <message>
        <source>Accessibility Permission Required</source>
        <translation>Нужен доступ к специальным возможностям</translation>
    </message>
    <message>
        <source>Korrelang needs Accessibility permission to read and modify text in other apps.</source>
        <translation>Korrelang нужен доступ к специальным возможностям, чтобы читать и изменять текст в других программах.</translation>
    </message>
    <message>
        <source>Please turn on assistive technologies in your desktop&apos;s accessibility settings.</source>
        <translation>Включите вспомогательные технологии в настройках специальных возможностей рабочего стола.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Открыть настройки</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Debug: No Text Found</source>
        <translation>Отладка: текст не найден</translation>
    </message>
    <message>
        <source>Korrelang couldn&apos;t find any text to convert.</source>
        <translation>Korrelang не нашёл текста для преобразования.</translation>
    </message>
    <message>
        <source>Make sure:</source>
        <translation>Убедитесь, что:</translation>
    </message>
    <message>
        <source>• Text is selected (highlighted), OR</source>
        <translation>• текст выделен, ИЛИ</translation>
    </message>
    <message>
        <source>• Cursor is placed after text in a text field</source>
        <translation>• курсор стоит сразу после текста в текстовом поле</translation>
    </message>
    <message>
        <source>Run korrelang from a terminal to see the details.</source>
        <translation>Запустите korrelang из терминала, чтобы увидеть подробности.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Debug: Conversion Failed</source>
        <translation>Отладка: преобразование не удалось</translation>
    </message>
    <message>
        <source>Korrelang found text but couldn&apos;t convert it.</source>
        <translation>Korrelang нашёл текст, но не смог его преобразовать.</translation>
    </message>
    <message>
        <source>Make sure the text contains characters from one of these layouts.</source>
        <translation>Убедитесь, что текст содержит символы одной из этих раскладок.</translation>
    </message>
    <message>
        <source>Could Not Replace Text</source>
        <translation>Не удалось заменить текст</translation>
    </message>
    <message>
        <source>The text field you&apos;re in may be read-only or doesn&apos;t support text replacement.</source>
        <translation>Возможно, это поле только для чтения или не поддерживает замену текста.</translation>
    </message>
    <message>
        <source>Your selected keyboards: %1</source>
        <translation>Выбранные раскладки: %1</translation>
    </message>
</context>
<context>
    <name>FeedbackContentView</name>
    <message>
        <source>SEND FEEDBACK</source>
        <translation>ОТПРАВИТЬ ОТЗЫВ</translation>
    </message>
    <message>
        <source>Feedback is not configured in this build, so it cannot be sent from here.</source>
        <translation>В этой сборке отправка отзывов не настроена, поэтому отсюда их отправить нельзя.</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>ТИП</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>YOUR MESSAGE</source>
        <translation>ВАШЕ СООБЩЕНИЕ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Feedback Sent!</source>
        <translation>Отзыв отправлен!</translation>
    </message>
    <message>
        <source>Thank you for your feedback! We&apos;ll review it soon.</source>
        <translation>Спасибо за отзыв! Мы скоро его рассмотрим.</translation>
    </message>
    <message>
        <source>Error Sending Feedback</source>
        <translation>Ошибка отправки отзыва</translation>
    </message>
    <message>
        <source>Could not send feedback. Please try again later.</source>
        <translation>Не удалось отправить отзыв. Попробуйте ещё раз позже.</translation>
    </message>
</context>
<context>
    <name>FeedbackViewModel</name>
    <message>
        <source>Feature Request</source>
        <translation>Пожелание</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другое</translation>
    </message>
</context>
<context>
    <name>FirstLaunchView</name>
    <message>
        <source>GNOME shows no tray icon: start Korrelang again from the applications overview to open its dashboard.</source>
        <translation>GNOME не показывает значок в трее: чтобы открыть панель Korrelang, запустите его снова из обзора приложений.</translation>
    </message>
    <message>
        <source>Turn On the Extension</source>
        <translation>Включить расширение</translation>
    </message>
    <message>
        <source>On GNOME, Korrelang needs its Shell extension to switch keyboards after converting, to paste into applications without accessibility support, and to see which application is in front.</source>
        <translation>В GNOME Korrelang нужно его расширение оболочки, чтобы переключать раскладку после преобразования, вставлять текст в приложения без поддержки специальных возможностей и видеть, какое приложение активно.</translation>
    </message>
    <message>
        <source>Welcome to Korrelang</source>
        <translation>Добро пожаловать в Korrelang</translation>
    </message>
    <message>
        <source>Select your keyboard layouts to get started.</source>
        <translation>Для начала выберите свои раскладки клавиатуры.</translation>
    </message>
    <message>
        <source>KEYBOARDS</source>
        <translation>РАСКЛАДКИ</translation>
    </message>
    <message>
        <source>At least 2 keyboards required for conversion</source>
        <translation>Для преобразования нужны хотя бы две раскладки</translation>
    </message>
    <message>
        <source>I agree to the</source>
        <translation>Я принимаю</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Условия использования</translation>
    </message>
    <message>
        <source>and</source>
        <translation>и</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Политику конфиденциальности</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
</context>
<context>
    <name>MenuPopupView</name>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Эта неделя</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Этот месяц</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Этот год</translation>
    </message>
    <message>
        <source>No Hotkey</source>
        <translation>Сочетание не задано</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Accessibility Required</source>
        <translation>Нужен доступ к специальным возможностям</translation>
    </message>
    <message>
        <source>Korrelang needs Accessibility permission to convert text.</source>
        <translation>Korrelang нужен доступ к специальным возможностям, чтобы преобразовывать текст.</translation>
    </message>
    <message>
        <source>Grant Permission</source>
        <translation>Предоставить доступ</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Преобразования</translation>
    </message>
    <message numerus="yes">
        <source>%n conversion(s)</source>
        <translation>
            <numerusform>%n преобразование</numerusform>
            <numerusform>%n преобразования</numerusform>
            <numerusform>%n преобразований</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Символы</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выйти</translation>
    </message>
</context>
<context>
    <name>PreferencesContentView</name>
    <message>
        <source>Without Korrelang&apos;s GNOME Shell extension, only applications with accessibility support can be converted: turn it on in the Extensions app</source>
        <translation>Без расширения Korrelang для GNOME Shell преобразовать текст можно только в приложениях с поддержкой специальных возможностей: включите его в приложении «Расширения»</translation>
    </message>
    <message>
        <source>Turn on Korrelang&apos;s GNOME Shell extension (in the Extensions app) to use the blacklist</source>
        <translation>Включите расширение Korrelang для GNOME Shell (в приложении «Расширения»), чтобы пользоваться чёрным списком</translation>
    </message>
    <message>
        <source>Turn on Korrelang&apos;s GNOME Shell extension (in the Extensions app) to switch keyboards after converting</source>
        <translation>Включите расширение Korrelang для GNOME Shell (в приложении «Расширения»), чтобы переключать раскладку после преобразования</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>НАСТРОЙКИ</translation>
    </message>
    <message>
        <source>KEYBOARDS</source>
        <translation>РАСКЛАДКИ</translation>
    </message>
    <message>
        <source>At least 2 keyboards required for conversion</source>
        <translation>Для преобразования нужны хотя бы две раскладки</translation>
    </message>
    <message>
        <source>HOTKEY</source>
        <translation>СОЧЕТАНИЕ КЛАВИШ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Press this shortcut to convert text</source>
        <translation>Нажмите это сочетание, чтобы преобразовать текст</translation>
    </message>
    <message>
        <source>No hotkey set - app cannot convert text!</source>
        <translation>Сочетание не задано — текст не преобразовать!</translation>
    </message>
    <message>
        <source>APP BLACKLIST</source>
        <translation>ИСКЛЮЧЁННЫЕ ПРОГРАММЫ</translation>
    </message>
    <message>
        <source>No apps blacklisted</source>
        <translation>Нет исключённых программ</translation>
    </message>
    <message>
        <source>Blacklist %1</source>
        <translation>Исключить %1</translation>
    </message>
    <message>
        <source>Blacklist current app</source>
        <translation>Исключить текущую программу</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>ЯЗЫК</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>ДОПОЛНИТЕЛЬНО</translation>
    </message>
    <message>
        <source>Auto-switch keyboard</source>
        <translation>Переключать раскладку</translation>
    </message>
    <message>
        <source>Switch to target language keyboard after converting</source>
        <translation>После преобразования включать раскладку целевого языка</translation>
    </message>
    <message>
        <source>Smart capitalization</source>
        <translation>Умные заглавные</translation>
    </message>
    <message>
        <source>Hold Shift while typing in non-cased languages to produce uppercase letters</source>
        <translation>Удерживайте Shift при наборе на языках без регистра, чтобы вводить заглавные буквы</translation>
    </message>
    <message>
        <source>Unavailable on Wayland: the desktop gives programs no global key hook</source>
        <translation>Недоступно в Wayland: рабочий стол не даёт программам глобального перехвата клавиш</translation>
    </message>
    <message>
        <source>Waiting for Accessibility permission…</source>
        <translation>Ожидание доступа к специальным возможностям…</translation>
    </message>
    <message>
        <source>Grant</source>
        <translation>Разрешить</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Запускать при входе</translation>
    </message>
    <message>
        <source>Steady selection</source>
        <translation>Сохранять выделение</translation>
    </message>
    <message>
        <source>Keep text selected after conversion for quick re-conversion</source>
        <translation>Оставлять текст выделенным после преобразования, чтобы быстро преобразовать снова</translation>
    </message>
    <message>
        <source>Anonymous analytics</source>
        <translation>Анонимная статистика</translation>
    </message>
    <message>
        <source>Send anonymous usage data; never the text you convert</source>
        <translation>Отправлять анонимные данные об использовании, но никогда не ваш текст</translation>
    </message>
    <message>
        <source>Pick the layout by spelling</source>
        <translation>Выбирать раскладку по словарю</translation>
    </message>
    <message>
        <source>Convert to the layout whose result reads as real words</source>
        <translation>Переводить в ту раскладку, в которой получаются настоящие слова</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>Автоматические обновления</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Accessibility permission required for full functionality</source>
        <translation>Для полноценной работы нужен доступ к специальным возможностям</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Пробел</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Ins</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PgDown</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
</context>
<context>
    <name>RecorderStrings</name>
    <message>
        <source>Record Shortcut</source>
        <translation>Задать сочетание</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Нажмите клавиши</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it’s already used by the “%1” menu item.</source>
        <translation>Это сочетание клавиш нельзя использовать: оно уже назначено пункту меню «%1».</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it’s already a system-wide keyboard shortcut.</source>
        <translation>Это сочетание клавиш нельзя использовать: оно уже занято системой.</translation>
    </message>
    <message>
        <source>Most system-wide keyboard shortcuts can be changed in your desktop’s keyboard settings.</source>
        <translation>Большинство системных сочетаний клавиш можно изменить в настройках клавиатуры рабочего стола.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Use Anyway</source>
        <translation>Всё равно использовать</translation>
    </message>
    <message>
        <source>This keyboard shortcut is not allowed.</source>
        <translation>Это сочетание клавиш недопустимо.</translation>
    </message>
    <message>
        <source>space</source>
        <translation>пробел</translation>
    </message>
</context>
<context>
    <name>RelativeTime</name>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n год назад</numerusform>
            <numerusform>%n года назад</numerusform>
            <numerusform>%n лет назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n year(s)</source>
        <translation>
            <numerusform>через %n год</numerusform>
            <numerusform>через %n года</numerusform>
            <numerusform>через %n лет</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n месяц назад</numerusform>
            <numerusform>%n месяца назад</numerusform>
            <numerusform>%n месяцев назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n month(s)</source>
        <translation>
            <numerusform>через %n месяц</numerusform>
            <numerusform>через %n месяца</numerusform>
            <numerusform>через %n месяцев</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n неделю назад</numerusform>
            <numerusform>%n недели назад</numerusform>
            <numerusform>%n недель назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n week(s)</source>
        <translation>
            <numerusform>через %n неделю</numerusform>
            <numerusform>через %n недели</numerusform>
            <numerusform>через %n недель</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n день назад</numerusform>
            <numerusform>%n дня назад</numerusform>
            <numerusform>%n дней назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>через %n день</numerusform>
            <numerusform>через %n дня</numerusform>
            <numerusform>через %n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n час назад</numerusform>
            <numerusform>%n часа назад</numerusform>
            <numerusform>%n часов назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n hour(s)</source>
        <translation>
            <numerusform>через %n час</numerusform>
            <numerusform>через %n часа</numerusform>
            <numerusform>через %n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n минуту назад</numerusform>
            <numerusform>%n минуты назад</numerusform>
            <numerusform>%n минут назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n minute(s)</source>
        <translation>
            <numerusform>через %n минуту</numerusform>
            <numerusform>через %n минуты</numerusform>
            <numerusform>через %n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>%n секунду назад</numerusform>
            <numerusform>%n секунды назад</numerusform>
            <numerusform>%n секунд назад</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n second(s)</source>
        <translation>
            <numerusform>через %n секунду</numerusform>
            <numerusform>через %n секунды</numerusform>
            <numerusform>через %n секунд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsContainerView</name>
    <message>
        <source>Preferences</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Отзыв</translation>
    </message>
    <message>
        <source>Share the love</source>
        <translation>Расскажите друзьям</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Поделиться</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Скопировать текст</translation>
    </message>
    <message>
        <source>Send by Email</source>
        <translation>Отправить по почте</translation>
    </message>
</context>
<context>
    <name>korrelang::app::AppDelegate</name>
    <message>
        <source>Korrelang Preferences</source>
        <translation>Настройки Korrelang</translation>
    </message>
    <message>
        <source>Welcome to Korrelang</source>
        <translation>Добро пожаловать в Korrelang</translation>
    </message>
    <message>
        <source>Goodbye</source>
        <translation>До свидания</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Sorry for not living up to your needs. We would love to see you back in the future.</source>
        <translation>Жаль, что Korrelang вам не подошёл. Будем рады увидеть вас снова.</translation>
    </message>
</context>
<context>
    <name>korrelang::app::UpdateAlerts</name>
    <message>
        <source>The update server answered %1.</source>
        <translation>Сервер обновлений ответил кодом %1.</translation>
    </message>
    <message>
        <source>This build has no update feed.</source>
        <translation>В этой сборке не задан источник обновлений.</translation>
    </message>
    <message>
        <source>The update feed could not be read.</source>
        <translation>Не удалось прочитать источник обновлений.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>A new version of Korrelang is available</source>
        <translation>Доступна новая версия Korrelang</translation>
    </message>
    <message>
        <source>Korrelang %1 is available. You have %2.</source>
        <translation>Доступна версия Korrelang %1. У вас установлена %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>У вас последняя версия!</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Не удалось проверить обновления.</translation>
    </message>
</context>
<context>
    <name>korrelang::ui::MenuPopupViewModel</name>
    <message>
        <source>Use %1 to convert text</source>
        <translation>Нажмите %1, чтобы преобразовать текст</translation>
    </message>
</context>
<context>
    <name>korrelang::ui::PreferencesViewModel</name>
    <message>
        <source>Updates come with your system&apos;s package updates</source>
        <translation>Обновления приходят вместе с обновлениями пакетов системы</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Последняя проверка: %1</translation>
    </message>
</context>
</TS>
