<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>AboutContentView</name>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>Typed in the wrong language? Korrelang instantly converts selected text between keyboard layouts with a single hotkey. It runs silently in your menu bar.</source>
        <translation>Надрукували текст не в тій розкладці? Korrelang миттєво переводить виділений текст у потрібну розкладку одним сполученням клавіш. Програма непомітно працює в області сповіщень.</translation>
    </message>
    <message>
        <source>Created by </source>
        <translation>Автори: </translation>
    </message>
    <message>
        <source>the Korrelang developers</source>
        <translation>розробники Korrelang</translation>
    </message>
    <message>
        <source>Free software for everyone who types in more than one language.</source>
        <translation>Вільна програма для всіх, хто пише кількома мовами.</translation>
    </message>
    <message>
        <source>PRIVACY POLICY</source>
        <translation>ПОЛІТИКА КОНФІДЕНЦІЙНОСТІ</translation>
    </message>
    <message>
        <source>This is a shortened summary. Read the full privacy policy at %1.</source>
        <translation>Це стислий виклад. Повна політика конфіденційності: %1.</translation>
    </message>
    <message>
        <source>Your text stays on your device</source>
        <translation>Ваш текст не залишає пристрій</translation>
    </message>
    <message>
        <source>Korrelang processes all text locally. Your text, keystrokes, and personal information are never collected, stored, or transmitted.</source>
        <translation>Korrelang обробляє весь текст локально. Ваш текст, натискання клавіш і особисті дані ніколи не збираються, не зберігаються й не передаються.</translation>
    </message>
    <message>
        <source>Anonymous analytics</source>
        <translation>Анонімна статистика</translation>
    </message>
    <message>
        <source>When enabled (the default), Korrelang sends anonymous, non-identifiable usage data (app version, Linux version, language pair) to a privacy-first analytics service based in Germany. All identifiers are SHA-256-hashed on your device. You can disable this anytime in Preferences &gt; Advanced.</source>
        <translation>Якщо цю функцію ввімкнено (типово), Korrelang надсилає анонімні знеособлені дані про використання (версія програми, версія Linux, мовна пара) до сервісу аналітики, що ставить приватність на перше місце і розташований у Німеччині. Усі ідентифікатори хешуються SHA-256 на вашому пристрої. Вимкнути це можна будь-коли в розділі «Налаштування &gt; Додатково».</translation>
    </message>
    <message>
        <source>This build has no analytics address and sends nothing.</source>
        <translation>У цій збірці адресу аналітики не задано, тож нічого не надсилається.</translation>
    </message>
    <message>
        <source>Your rights</source>
        <translation>Ваші права</translation>
    </message>
    <message>
        <source>You can request access, correction, or deletion of your personal data at any time. EU residents may also lodge a complaint with their local data protection authority.</source>
        <translation>Ви будь-коли можете запросити доступ до своїх персональних даних, їх виправлення або видалення. Мешканці ЄС також можуть подати скаргу до місцевого органу із захисту даних.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Зв’язок</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Скопійовано!</translation>
    </message>
    <message>
        <source>Read full privacy policy</source>
        <translation>Повна політика конфіденційності</translation>
    </message>
    <message>
        <source>HOW TO UNINSTALL</source>
        <translation>ЯК ВИДАЛИТИ</translation>
    </message>
    <message>
        <source>Quit the App</source>
        <translation>Закрийте програму</translation>
    </message>
    <message>
        <source>Click the tray icon → Quit</source>
        <translation>Натисніть значок в області сповіщень → «Вийти»</translation>
    </message>
    <message>
        <source>Remove the App</source>
        <translation>Видаліть програму</translation>
    </message>
    <message>
        <source>Remove the korrelang package with your package manager, for example:</source>
        <translation>Видаліть пакунок korrelang менеджером пакунків, наприклад:</translation>
    </message>
    <message>
        <source>Remove Settings (optional)</source>
        <translation>Видаліть налаштування (необов’язково)</translation>
    </message>
    <message>
        <source>Open a terminal and run:</source>
        <translation>Відкрийте термінал і виконайте:</translation>
    </message>
    <message>
        <source>Remove from Autostart</source>
        <translation>Приберіть з автозапуску</translation>
    </message>
    <message>
        <source>Delete the autostart file:</source>
        <translation>Видаліть файл автозапуску:</translation>
    </message>
</context>
<context>
    <name>AlertSheet</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>Alerts</name>
    <message>
        <source>Accessibility Permission Required</source>
        <translation>Потрібен доступ до спеціальних можливостей</translation>
    </message>
    <message>
        <source>Korrelang needs Accessibility permission to read and modify text in other apps.</source>
        <translation>Korrelang потребує доступу до спеціальних можливостей, щоб читати й змінювати текст в інших програмах.</translation>
    </message>
    <message>
        <source>Please turn on assistive technologies in your desktop&apos;s accessibility settings.</source>
        <translation>Увімкніть допоміжні технології в налаштуваннях спеціальних можливостей стільниці.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Відкрити налаштування</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Debug: No Text Found</source>
        <translation>Налагодження: текст не знайдено</translation>
    </message>
    <message>
        <source>Korrelang couldn&apos;t find any text to convert.</source>
        <translation>Korrelang не знайшов тексту для перетворення.</translation>
    </message>
    <message>
        <source>Make sure:</source>
        <translation>Переконайтеся, що:</translation>
    </message>
    <message>
        <source>• Text is selected (highlighted), OR</source>
        <translation>• текст виділено, АБО</translation>
    </message>
    <message>
        <source>• Cursor is placed after text in a text field</source>
        <translation>• курсор стоїть одразу після тексту в текстовому полі</translation>
    </message>
    <message>
        <source>Run korrelang from a terminal to see the details.</source>
        <translation>Запустіть korrelang з термінала, щоб побачити подробиці.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Debug: Conversion Failed</source>
        <translation>Налагодження: перетворення не вдалося</translation>
    </message>
    <message>
        <source>Korrelang found text but couldn&apos;t convert it.</source>
        <translation>Korrelang знайшов текст, але не зміг його перетворити.</translation>
    </message>
    <message>
        <source>Make sure the text contains characters from one of these layouts.</source>
        <translation>Переконайтеся, що текст містить символи однієї з цих розкладок.</translation>
    </message>
    <message>
        <source>Could Not Replace Text</source>
        <translation>Не вдалося замінити текст</translation>
    </message>
    <message>
        <source>The text field you&apos;re in may be read-only or doesn&apos;t support text replacement.</source>
        <translation>Можливо, це поле лише для читання або не підтримує заміну тексту.</translation>
    </message>
    <message>
        <source>Your selected keyboards: %1</source>
        <translation>Вибрані розкладки: %1</translation>
    </message>
</context>
<context>
    <name>FeedbackContentView</name>
    <message>
        <source>SEND FEEDBACK</source>
        <translation>НАДІСЛАТИ ВІДГУК</translation>
    </message>
    <message>
        <source>Feedback is not configured in this build, so it cannot be sent from here.</source>
        <translation>У цій збірці надсилання відгуків не налаштовано, тож звідси їх надіслати не можна.</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>ТИП</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Ел. пошта</translation>
    </message>
    <message>
        <source>YOUR MESSAGE</source>
        <translation>ВАШЕ ПОВІДОМЛЕННЯ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Надіслати</translation>
    </message>
    <message>
        <source>Feedback Sent!</source>
        <translation>Відгук надіслано!</translation>
    </message>
    <message>
        <source>Thank you for your feedback! We&apos;ll review it soon.</source>
        <translation>Дякуємо за відгук! Ми скоро його розглянемо.</translation>
    </message>
    <message>
        <source>Error Sending Feedback</source>
        <translation>Помилка надсилання відгуку</translation>
    </message>
    <message>
        <source>Could not send feedback. Please try again later.</source>
        <translation>Не вдалося надіслати відгук. Спробуйте ще раз пізніше.</translation>
    </message>
</context>
<context>
    <name>FeedbackViewModel</name>
    <message>
        <source>Feature Request</source>
        <translation>Побажання</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Питання</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Інше</translation>
    </message>
</context>
<context>
    <name>FirstLaunchView</name>
    <message>
        <source>GNOME shows no tray icon: start Korrelang again from the applications overview to open its dashboard.</source>
        <translation>GNOME не показує значок у треї: щоб відкрити панель Korrelang, запустіть його знову з огляду застосунків.</translation>
    </message>
    <message>
        <source>Turn On the Extension</source>
        <translation>Увімкнути розширення</translation>
    </message>
    <message>
        <source>On GNOME, Korrelang needs its Shell extension to switch keyboards after converting, to paste into applications without accessibility support, and to see which application is in front.</source>
        <translation>У GNOME Korrelang потрібне його розширення оболонки, щоб перемикати розкладку після перетворення, вставляти текст у застосунки без підтримки спеціальних можливостей і бачити, який застосунок активний.</translation>
    </message>
    <message>
        <source>Welcome to Korrelang</source>
        <translation>Вітаємо в Korrelang</translation>
    </message>
    <message>
        <source>Select your keyboard layouts to get started.</source>
        <translation>Щоб почати, виберіть свої розкладки клавіатури.</translation>
    </message>
    <message>
        <source>KEYBOARDS</source>
        <translation>РОЗКЛАДКИ</translation>
    </message>
    <message>
        <source>At least 2 keyboards required for conversion</source>
        <translation>Для перетворення потрібні щонайменше дві розкладки</translation>
    </message>
    <message>
        <source>I agree to the</source>
        <translation>Я приймаю</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Умови використання</translation>
    </message>
    <message>
        <source>and</source>
        <translation>та</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Політику конфіденційності</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продовжити</translation>
    </message>
</context>
<context>
    <name>MenuPopupView</name>
    <message>
        <source>Today</source>
        <translation>Сьогодні</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Цей тиждень</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Цей місяць</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Цей рік</translation>
    </message>
    <message>
        <source>No Hotkey</source>
        <translation>Сполучення не задано</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Увімкнено</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Вимкнено</translation>
    </message>
    <message>
        <source>Accessibility Required</source>
        <translation>Потрібен доступ до спеціальних можливостей</translation>
    </message>
    <message>
        <source>Korrelang needs Accessibility permission to convert text.</source>
        <translation>Korrelang потребує доступу до спеціальних можливостей, щоб перетворювати текст.</translation>
    </message>
    <message>
        <source>Grant Permission</source>
        <translation>Надати доступ</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Перетворення</translation>
    </message>
    <message numerus="yes">
        <source>%n conversion(s)</source>
        <translation>
            <numerusform>%n перетворення</numerusform>
            <numerusform>%n перетворення</numerusform>
            <numerusform>%n перетворень</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Зміна</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Символи</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вийти</translation>
    </message>
</context>
<context>
    <name>PreferencesContentView</name>
    <message>
        <source>Without Korrelang&apos;s GNOME Shell extension, only applications with accessibility support can be converted: turn it on in the Extensions app</source>
        <translation>Без розширення Korrelang для GNOME Shell перетворити текст можна лише в застосунках з підтримкою спеціальних можливостей: увімкніть його в застосунку «Розширення»</translation>
    </message>
    <message>
        <source>Turn on Korrelang&apos;s GNOME Shell extension (in the Extensions app) to use the blacklist</source>
        <translation>Увімкніть розширення Korrelang для GNOME Shell (у застосунку «Розширення»), щоб користуватися чорним списком</translation>
    </message>
    <message>
        <source>Turn on Korrelang&apos;s GNOME Shell extension (in the Extensions app) to switch keyboards after converting</source>
        <translation>Увімкніть розширення Korrelang для GNOME Shell (у застосунку «Розширення»), щоб перемикати розкладку після перетворення</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>НАЛАШТУВАННЯ</translation>
    </message>
    <message>
        <source>KEYBOARDS</source>
        <translation>РОЗКЛАДКИ</translation>
    </message>
    <message>
        <source>At least 2 keyboards required for conversion</source>
        <translation>Для перетворення потрібні щонайменше дві розкладки</translation>
    </message>
    <message>
        <source>HOTKEY</source>
        <translation>СПОЛУЧЕННЯ КЛАВІШ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Press this shortcut to convert text</source>
        <translation>Натисніть це сполучення, щоб перетворити текст</translation>
    </message>
    <message>
        <source>No hotkey set - app cannot convert text!</source>
        <translation>Сполучення не задано — текст не перетворити!</translation>
    </message>
    <message>
        <source>APP BLACKLIST</source>
        <translation>ВИКЛЮЧЕНІ ПРОГРАМИ</translation>
    </message>
    <message>
        <source>No apps blacklisted</source>
        <translation>Немає виключених програм</translation>
    </message>
    <message>
        <source>Blacklist %1</source>
        <translation>Виключити %1</translation>
    </message>
    <message>
        <source>Blacklist current app</source>
        <translation>Виключити поточну програму</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>МОВА</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Як у системі</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>ДОДАТКОВО</translation>
    </message>
    <message>
        <source>Auto-switch keyboard</source>
        <translation>Перемикати розкладку</translation>
    </message>
    <message>
        <source>Switch to target language keyboard after converting</source>
        <translation>Після перетворення вмикати розкладку цільової мови</translation>
    </message>
    <message>
        <source>Smart capitalization</source>
        <translation>Розумні великі літери</translation>
    </message>
    <message>
        <source>Hold Shift while typing in non-cased languages to produce uppercase letters</source>
        <translation>Утримуйте Shift під час набору мовами без регістру, щоб вводити великі літери</translation>
    </message>
    <message>
        <source>Unavailable on Wayland: the desktop gives programs no global key hook</source>
        <translation>Недоступно у Wayland: робочий стіл не дає програмам глобального перехоплення клавіш</translation>
    </message>
    <message>
        <source>Waiting for Accessibility permission…</source>
        <translation>Очікування доступу до спеціальних можливостей…</translation>
    </message>
    <message>
        <source>Grant</source>
        <translation>Дозволити</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Запускати під час входу</translation>
    </message>
    <message>
        <source>Steady selection</source>
        <translation>Зберігати виділення</translation>
    </message>
    <message>
        <source>Keep text selected after conversion for quick re-conversion</source>
        <translation>Залишати текст виділеним після перетворення, щоб швидко перетворити знову</translation>
    </message>
    <message>
        <source>Anonymous analytics</source>
        <translation>Анонімна статистика</translation>
    </message>
    <message>
        <source>Send anonymous usage data; never the text you convert</source>
        <translation>Надсилати анонімні дані про використання, але ніколи не ваш текст</translation>
    </message>
    <message>
        <source>Pick the layout by spelling</source>
        <translation>Вибирати розкладку за словником</translation>
    </message>
    <message>
        <source>Convert to the layout whose result reads as real words</source>
        <translation>Перетворювати на ту розкладку, у якій виходять справжні слова</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>Автоматичні оновлення</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Перевірити</translation>
    </message>
    <message>
        <source>Accessibility permission required for full functionality</source>
        <translation>Для повноцінної роботи потрібен доступ до спеціальних можливостей</translation>
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
        <translation>Пробіл</translation>
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
        <translation>Ліворуч</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Праворуч</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вгору</translation>
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
        <translation>Очистити</translation>
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
        <translation>Задати клавіші</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Натисніть клавіші</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it’s already used by the “%1” menu item.</source>
        <translation>Це сполучення клавіш не можна використати: воно вже призначене пункту меню «%1».</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it’s already a system-wide keyboard shortcut.</source>
        <translation>Це сполучення клавіш не можна використати: воно вже зайняте системою.</translation>
    </message>
    <message>
        <source>Most system-wide keyboard shortcuts can be changed in your desktop’s keyboard settings.</source>
        <translation>Більшість системних сполучень клавіш можна змінити в налаштуваннях клавіатури стільниці.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Use Anyway</source>
        <translation>Усе одно використати</translation>
    </message>
    <message>
        <source>This keyboard shortcut is not allowed.</source>
        <translation>Це сполучення клавіш недопустиме.</translation>
    </message>
    <message>
        <source>space</source>
        <translation>пробіл</translation>
    </message>
</context>
<context>
    <name>RelativeTime</name>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>%n рік тому</numerusform>
            <numerusform>%n роки тому</numerusform>
            <numerusform>%n років тому</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n year(s)</source>
        <translation>
            <numerusform>через %n рік</numerusform>
            <numerusform>через %n роки</numerusform>
            <numerusform>через %n років</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>%n місяць тому</numerusform>
            <numerusform>%n місяці тому</numerusform>
            <numerusform>%n місяців тому</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n month(s)</source>
        <translation>
            <numerusform>через %n місяць</numerusform>
            <numerusform>через %n місяці</numerusform>
            <numerusform>через %n місяців</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>%n тиждень тому</numerusform>
            <numerusform>%n тижні тому</numerusform>
            <numerusform>%n тижнів тому</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n week(s)</source>
        <translation>
            <numerusform>через %n тиждень</numerusform>
            <numerusform>через %n тижні</numerusform>
            <numerusform>через %n тижнів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>%n день тому</numerusform>
            <numerusform>%n дні тому</numerusform>
            <numerusform>%n днів тому</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>через %n день</numerusform>
            <numerusform>через %n дні</numerusform>
            <numerusform>через %n днів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>%n годину тому</numerusform>
            <numerusform>%n години тому</numerusform>
            <numerusform>%n годин тому</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n hour(s)</source>
        <translation>
            <numerusform>через %n годину</numerusform>
            <numerusform>через %n години</numerusform>
            <numerusform>через %n годин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>%n хвилину тому</numerusform>
            <numerusform>%n хвилини тому</numerusform>
            <numerusform>%n хвилин тому</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n minute(s)</source>
        <translation>
            <numerusform>через %n хвилину</numerusform>
            <numerusform>через %n хвилини</numerusform>
            <numerusform>через %n хвилин</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>%n секунду тому</numerusform>
            <numerusform>%n секунди тому</numerusform>
            <numerusform>%n секунд тому</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n second(s)</source>
        <translation>
            <numerusform>через %n секунду</numerusform>
            <numerusform>через %n секунди</numerusform>
            <numerusform>через %n секунд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsContainerView</name>
    <message>
        <source>Preferences</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Відгук</translation>
    </message>
    <message>
        <source>Share the love</source>
        <translation>Розкажіть друзям</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Поділитися</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Скопіювати текст</translation>
    </message>
    <message>
        <source>Send by Email</source>
        <translation>Надіслати поштою</translation>
    </message>
</context>
<context>
    <name>korrelang::app::AppDelegate</name>
    <message>
        <source>Korrelang Preferences</source>
        <translation>Налаштування Korrelang</translation>
    </message>
    <message>
        <source>Welcome to Korrelang</source>
        <translation>Вітаємо в Korrelang</translation>
    </message>
    <message>
        <source>Goodbye</source>
        <translation>До побачення</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Sorry for not living up to your needs. We would love to see you back in the future.</source>
        <translation>Шкода, що Korrelang вам не підійшов. Будемо раді побачити вас знову.</translation>
    </message>
</context>
<context>
    <name>korrelang::app::UpdateAlerts</name>
    <message>
        <source>The update server answered %1.</source>
        <translation>Сервер оновлень відповів кодом %1.</translation>
    </message>
    <message>
        <source>This build has no update feed.</source>
        <translation>У цій збірці не задано джерело оновлень.</translation>
    </message>
    <message>
        <source>The update feed could not be read.</source>
        <translation>Не вдалося прочитати джерело оновлень.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>A new version of Korrelang is available</source>
        <translation>Доступна нова версія Korrelang</translation>
    </message>
    <message>
        <source>Korrelang %1 is available. You have %2.</source>
        <translation>Доступна версія Korrelang %1. У вас встановлено %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Пізніше</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>У вас остання версія!</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Не вдалося перевірити оновлення.</translation>
    </message>
</context>
<context>
    <name>korrelang::ui::MenuPopupViewModel</name>
    <message>
        <source>Use %1 to convert text</source>
        <translation>Натисніть %1, щоб перетворити текст</translation>
    </message>
</context>
<context>
    <name>korrelang::ui::PreferencesViewModel</name>
    <message>
        <source>Updates come with your system&apos;s package updates</source>
        <translation>Оновлення надходять разом з оновленнями пакунків системи</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Остання перевірка: %1</translation>
    </message>
</context>
</TS>
