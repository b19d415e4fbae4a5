<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>AboutContentView</name>
    <message>
        <source>Version %1</source>
        <translation>גרסה %1</translation>
    </message>
    <message>
        <source>Typed in the wrong language? Korrelang instantly converts selected text between keyboard layouts with a single hotkey. It runs silently in your menu bar.</source>
        <translation>הקלדתם בשפה הלא נכונה? Korrelang ממיר מיד טקסט מסומן בין פריסות מקלדת בקיצור מקשים אחד. הוא פועל בשקט במגש המערכת.</translation>
    </message>
    <message>
        <source>Created by </source>
        <translation>נוצר על ידי </translation>
    </message>
    <message>
        <source>the Korrelang developers</source>
        <translation>מפתחי Korrelang</translation>
    </message>
    <message>
        <source>Free software for everyone who types in more than one language.</source>
        <translation>תוכנה חופשית לכל מי שכותב ביותר משפה אחת.</translation>
    </message>
    <message>
        <source>PRIVACY POLICY</source>
        <translation>מדיניות פרטיות</translation>
    </message>
    <message>
        <source>This is a shortened summary. Read the full privacy policy at %1.</source>
        <translation>זהו תקציר בלבד. את מדיניות הפרטיות המלאה אפשר לקרוא בכתובת %1.</translation>
    </message>
    <message>
        <source>Your text stays on your device</source>
        <translation>הטקסט שלכם נשאר במכשיר</translation>
    </message>
    <message>
        <source>Korrelang processes all text locally. Your text, keystrokes, and personal information are never collected, stored, or transmitted.</source>
        <translation>‏Korrelang מעבד את כל הטקסט במכשיר עצמו. הטקסט שלכם, ההקשות שלכם והמידע האישי שלכם לעולם אינם נאספים, נשמרים או נשלחים.</translation>
    </message>
    <message>
        <source>Anonymous analytics</source>
        <translation>סטטיסטיקה אנונימית</translation>
    </message>
    <message>
        <source>When enabled (the default), Korrelang sends anonymous, non-identifiable usage data (app version, Linux version, language pair) to a privacy-first analytics service based in Germany. All identifiers are SHA-256-hashed on your device. You can disable this anytime in Preferences &gt; Advanced.</source>
        <translation>כשהאפשרות פעילה (ברירת המחדל), Korrelang שולח נתוני שימוש אנונימיים שאינם מזהים (גרסת היישום, גרסת Linux, צמד השפות) לשירות סטטיסטיקה ששם את הפרטיות במקום הראשון ופועל מגרמניה. כל המזהים עוברים גיבוב SHA-256 במכשיר שלכם. אפשר לכבות זאת בכל עת בהעדפות &gt; מתקדם.</translation>
    </message>
    <message>
        <source>This build has no analytics address and sends nothing.</source>
        <translation>בגרסה זו לא הוגדרה כתובת לסטטיסטיקה, ולכן דבר אינו נשלח.</translation>
    </message>
    <message>
        <source>Your rights</source>
        <translation>הזכויות שלכם</translation>
    </message>
    <message>
        <source>You can request access, correction, or deletion of your personal data at any time. EU residents may also lodge a complaint with their local data protection authority.</source>
        <translation>אפשר לבקש בכל עת גישה למידע האישי שלכם, לתקן אותו או למחוק אותו. תושבי האיחוד האירופי יכולים גם להגיש תלונה לרשות המקומית להגנת המידע.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>יצירת קשר</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>הועתק!</translation>
    </message>
    <message>
        <source>Read full privacy policy</source>
        <translation>למדיניות הפרטיות המלאה</translation>
    </message>
    <message>
        <source>HOW TO UNINSTALL</source>
        <translation>איך להסיר</translation>
    </message>
    <message>
        <source>Quit the App</source>
        <translation>צאו מהיישום</translation>
    </message>
    <message>
        <source>Click the tray icon → Quit</source>
        <translation>לחצו על הסמל במגש המערכת ← יציאה</translation>
    </message>
    <message>
        <source>Remove the App</source>
        <translation>הסירו את היישום</translation>
    </message>
    <message>
        <source>Remove the korrelang package with your package manager, for example:</source>
        <translation>הסירו את החבילה korrelang בעזרת מנהל החבילות, לדוגמה:</translation>
    </message>
    <message>
        <source>Remove Settings (optional)</source>
        <translation>מחקו את ההגדרות (לא חובה)</translation>
    </message>
    <message>
        <source>Open a terminal and run:</source>
        <translation>פתחו מסוף והריצו:</translation>
    </message>
    <message>
        <source>Remove from Autostart</source>
        <translation>הסירו מההפעלה האוטומטית</translation>
    </message>
    <message>
        <source>Delete the autostart file:</source>
        <translation>מחקו את קובץ ההפעלה האוטומטית:</translation>
    </message>
</context>
<context>
    <name>AlertSheet</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>Alerts</name>
    <message>
        <source>Accessibility Permission Required</source>
        <translation>נדרשת הרשאת נגישות</translation>
    </message>
    <message>
        <source>Korrelang needs Accessibility permission to read and modify text in other apps.</source>
        <translation>‏Korrelang זקוק להרשאת נגישות כדי לקרוא ולשנות טקסט ביישומים אחרים.</translation>
    </message>
    <message>
        <source>Please turn on assistive technologies in your desktop&apos;s accessibility settings.</source>
        <translation>הפעילו טכנולוגיות מסייעות בהגדרות הנגישות של שולחן העבודה.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>פתיחת ההגדרות</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Debug: No Text Found</source>
        <translation>ניפוי באגים: לא נמצא טקסט</translation>
    </message>
    <message>
        <source>Korrelang couldn&apos;t find any text to convert.</source>
        <translation>‏Korrelang לא מצא טקסט להמרה.</translation>
    </message>
    <message>
        <source>Make sure:</source>
        <translation>ודאו ש:</translation>
    </message>
    <message>
        <source>• Text is selected (highlighted), OR</source>
        <translation>• טקסט מסומן, או</translation>
    </message>
    <message>
        <source>• Cursor is placed after text in a text field</source>
        <translation>• הסמן נמצא אחרי טקסט בשדה טקסט</translation>
    </message>
    <message>
        <source>Run korrelang from a terminal to see the details.</source>
        <translation>הריצו את korrelang ממסוף כדי לראות את הפרטים.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Debug: Conversion Failed</source>
        <translation>ניפוי באגים: ההמרה נכשלה</translation>
    </message>
    <message>
        <source>Korrelang found text but couldn&apos;t convert it.</source>
        <translation>‏Korrelang מצא טקסט אך לא הצליח להמיר אותו.</translation>
    </message>
    <message>
        <source>Make sure the text contains characters from one of these layouts.</source>
        <translation>ודאו שהטקסט מכיל תווים מאחת הפריסות האלה.</translation>
    </message>
    <message>
        <source>Could Not Replace Text</source>
        <translation>לא ניתן להחליף את הטקסט</translation>
    </message>
    <message>
        <source>The text field you&apos;re in may be read-only or doesn&apos;t support text replacement.</source>
        <translation>ייתכן ששדה הטקסט מיועד לקריאה בלבד או שאינו תומך בהחלפת טקסט.</translation>
    </message>
    <message>
        <source>Your selected keyboards: %1</source>
        <translation>המקלדות שבחרתם: %1</translation>
    </message>
</context>
<context>
    <name>FeedbackContentView</name>
    <message>
        <source>SEND FEEDBACK</source>
        <translation>שליחת משוב</translation>
    </message>
    <message>
        <source>Feedback is not configured in this build, so it cannot be sent from here.</source>
        <translation>שליחת משוב לא הוגדרה בגרסה זו, ולכן אי אפשר לשלוח משוב מכאן.</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>סוג</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>דוא״ל</translation>
    </message>
    <message>
        <source>YOUR MESSAGE</source>
        <translation>ההודעה שלכם</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>שליחה</translation>
    </message>
    <message>
        <source>Feedback Sent!</source>
        <translation>המשוב נשלח!</translation>
    </message>
    <message>
        <source>Thank you for your feedback! We&apos;ll review it soon.</source>
        <translation>תודה על המשוב! נעבור עליו בקרוב.</translation>
    </message>
    <message>
        <source>Error Sending Feedback</source>
        <translation>שגיאה בשליחת המשוב</translation>
    </message>
    <message>
        <source>Could not send feedback. Please try again later.</source>
        <translation>לא ניתן היה לשלוח את המשוב. נסו שוב מאוחר יותר.</translation>
    </message>
</context>
<context>
    <name>FeedbackViewModel</name>
    <message>
        <source>Feature Request</source>
        <translation>בקשת תכונה</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>דיווח על באג</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>שאלה</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>אחר</translation>
    </message>
</context>
<context>
    <name>FirstLaunchView</name>
    <message>
        <source>GNOME shows no tray icon: start Korrelang again from the applications overview to open its dashboard.</source>
        <translation>ב-GNOME אין סמל במגש המערכת: הפעילו את Korrelang שוב מסקירת היישומים כדי לפתוח את לוח הבקרה שלו.</translation>
    </message>
    <message>
        <source>Turn On the Extension</source>
        <translation>הפעלת ההרחבה</translation>
    </message>
    <message>
        <source>On GNOME, Korrelang needs its Shell extension to switch keyboards after converting, to paste into applications without accessibility support, and to see which application is in front.</source>
        <translation>ב-GNOME‏ Korrelang צריך את הרחבת המעטפת שלו כדי להחליף מקלדת אחרי ההמרה, להדביק ביישומים ללא תמיכה בנגישות ולדעת איזה יישום פעיל.</translation>
    </message>
    <message>
        <source>Welcome to Korrelang</source>
        <translation>ברוכים הבאים ל־Korrelang</translation>
    </message>
    <message>
        <source>Select your keyboard layouts to get started.</source>
        <translation>כדי להתחיל, בחרו את פריסות המקלדת שלכם.</translation>
    </message>
    <message>
        <source>KEYBOARDS</source>
        <translation>מקלדות</translation>
    </message>
    <message>
        <source>At least 2 keyboards required for conversion</source>
        <translation>נדרשות לפחות 2 מקלדות להמרה</translation>
    </message>
    <message>
        <source>I agree to the</source>
        <translation>אני מאשר/ת את</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>תנאי השימוש</translation>
    </message>
    <message>
        <source>and</source>
        <translation>ואת</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>מדיניות הפרטיות</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>המשך</translation>
    </message>
</context>
<context>
    <name>MenuPopupView</name>
    <message>
        <source>Today</source>
        <translation>היום</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>השבוע</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>החודש</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>השנה</translation>
    </message>
    <message>
        <source>No Hotkey</source>
        <translation>אין קיצור מקשים</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>פעיל</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>מושבת</translation>
    </message>
    <message>
        <source>Accessibility Required</source>
        <translation>נדרשת הרשאת נגישות</translation>
    </message>
    <message>
        <source>Korrelang needs Accessibility permission to convert text.</source>
        <translation>‏Korrelang זקוק להרשאת נגישות כדי להמיר טקסט.</translation>
    </message>
    <message>
        <source>Grant Permission</source>
        <translation>מתן הרשאה</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>המרות</translation>
    </message>
    <message numerus="yes">
        <source>%n conversion(s)</source>
        <translation>
            <numerusform>המרה אחת</numerusform>
            <numerusform>‏%n המרות</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <translation>שינוי</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>תווים</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>העדפות</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>יציאה</translation>
    </message>
</context>
<context>
    <name>PreferencesContentView</name>
    <message>
        <source>Without Korrelang&apos;s GNOME Shell extension, only applications with accessibility support can be converted: turn it on in the Extensions app</source>
        <translation>ללא הרחבת GNOME Shell של Korrelang אפשר להמיר רק ביישומים עם תמיכה בנגישות: הפעילו אותה ביישום ההרחבות</translation>
    </message>
    <message>
        <source>Turn on Korrelang&apos;s GNOME Shell extension (in the Extensions app) to use the blacklist</source>
        <translation>הפעילו את הרחבת GNOME Shell של Korrelang (ביישום ההרחבות) כדי להשתמש ברשימה השחורה</translation>
    </message>
    <message>
        <source>Turn on Korrelang&apos;s GNOME Shell extension (in the Extensions app) to switch keyboards after converting</source>
        <translation>הפעילו את הרחבת GNOME Shell של Korrelang (ביישום ההרחבות) כדי להחליף מקלדת אחרי ההמרה</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>העדפות</translation>
    </message>
    <message>
        <source>KEYBOARDS</source>
        <translation>מקלדות</translation>
    </message>
    <message>
        <source>At least 2 keyboards required for conversion</source>
        <translation>נדרשות לפחות 2 מקלדות להמרה</translation>
    </message>
    <message>
        <source>HOTKEY</source>
        <translation>קיצור מקשים</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>איפוס</translation>
    </message>
    <message>
        <source>Press this shortcut to convert text</source>
        <translation>הקישו על הקיצור הזה כדי להמיר טקסט</translation>
    </message>
    <message>
        <source>No hotkey set - app cannot convert text!</source>
        <translation>לא הוגדר קיצור מקשים – אי אפשר להמיר טקסט!</translation>
    </message>
    <message>
        <source>APP BLACKLIST</source>
        <translation>יישומים חסומים</translation>
    </message>
    <message>
        <source>No apps blacklisted</source>
        <translation>אין יישומים חסומים</translation>
    </message>
    <message>
        <source>Blacklist %1</source>
        <translation>חסימת %1</translation>
    </message>
    <message>
        <source>Blacklist current app</source>
        <translation>חסימת היישום הנוכחי</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>שפה</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>שפת המערכת</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>מתקדם</translation>
    </message>
    <message>
        <source>Auto-switch keyboard</source>
        <translation>החלפת מקלדת</translation>
    </message>
    <message>
        <source>Switch to target language keyboard after converting</source>
        <translation>מעבר למקלדת של שפת היעד אחרי ההמרה</translation>
    </message>
    <message>
        <source>Smart capitalization</source>
        <translation>אותיות גדולות חכמות</translation>
    </message>
    <message>
        <source>Hold Shift while typing in non-cased languages to produce uppercase letters</source>
        <translation>החזיקו Shift בזמן הקלדה בשפות ללא אותיות רישיות כדי לקבל אותיות גדולות</translation>
    </message>
    <message>
        <source>Unavailable on Wayland: the desktop gives programs no global key hook</source>
        <translation>לא זמין ב-Wayland: שולחן העבודה אינו נותן לתוכניות גישה גלובלית למקשים</translation>
    </message>
    <message>
        <source>Waiting for Accessibility permission…</source>
        <translation>ממתין להרשאת נגישות…</translation>
    </message>
    <message>
        <source>Grant</source>
        <translation>מתן הרשאה</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>הפעלה בכניסה</translation>
    </message>
    <message>
        <source>Steady selection</source>
        <translation>שמירת הסימון</translation>
    </message>
    <message>
        <source>Keep text selected after conversion for quick re-conversion</source>
        <translation>השארת הטקסט מסומן אחרי ההמרה כדי להמיר שוב במהירות</translation>
    </message>
    <message>
        <source>Anonymous analytics</source>
        <translation>סטטיסטיקה אנונימית</translation>
    </message>
    <message>
        <source>Send anonymous usage data; never the text you convert</source>
        <translation>שליחת נתוני שימוש אנונימיים, אף פעם לא הטקסט שאתם ממירים</translation>
    </message>
    <message>
        <source>Pick the layout by spelling</source>
        <translation>בחירת הפריסה לפי איות</translation>
    </message>
    <message>
        <source>Convert to the layout whose result reads as real words</source>
        <translation>המרה לפריסה שבה התוצאה יוצרת מילים אמיתיות</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>עדכונים אוטומטיים</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>בדיקה עכשיו</translation>
    </message>
    <message>
        <source>Accessibility permission required for full functionality</source>
        <translation>נדרשת הרשאת נגישות לפעולה מלאה</translation>
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
        <translation>רווח</translation>
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
        <translation>שמאלה</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>ימינה</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>למעלה</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>למטה</translation>
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
        <translation>ניקוי</translation>
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
        <translation>הקלטת קיצור</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>הקישו קיצור</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it’s already used by the “%1” menu item.</source>
        <translation>אי אפשר להשתמש בקיצור המקשים הזה כי פריט התפריט &quot;%1&quot; כבר משתמש בו.</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it’s already a system-wide keyboard shortcut.</source>
        <translation>אי אפשר להשתמש בקיצור המקשים הזה כי הוא כבר קיצור מקשים של המערכת.</translation>
    </message>
    <message>
        <source>Most system-wide keyboard shortcuts can be changed in your desktop’s keyboard settings.</source>
        <translation>את רוב קיצורי המקשים של המערכת אפשר לשנות בהגדרות המקלדת של שולחן העבודה.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Use Anyway</source>
        <translation>להשתמש בכל זאת</translation>
    </message>
    <message>
        <source>This keyboard shortcut is not allowed.</source>
        <translation>קיצור המקשים הזה אינו מותר.</translation>
    </message>
    <message>
        <source>space</source>
        <translation>רווח</translation>
    </message>
</context>
<context>
    <name>RelativeTime</name>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>לפני שנה</numerusform>
            <numerusform>לפני %n שנים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n year(s)</source>
        <translation>
            <numerusform>בעוד שנה</numerusform>
            <numerusform>בעוד %n שנים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>לפני חודש</numerusform>
            <numerusform>לפני %n חודשים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n month(s)</source>
        <translation>
            <numerusform>בעוד חודש</numerusform>
            <numerusform>בעוד %n חודשים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>לפני שבוע</numerusform>
            <numerusform>לפני %n שבועות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n week(s)</source>
        <translation>
            <numerusform>בעוד שבוע</numerusform>
            <numerusform>בעוד %n שבועות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>לפני יום</numerusform>
            <numerusform>לפני %n ימים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>בעוד יום</numerusform>
            <numerusform>בעוד %n ימים</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>לפני שעה</numerusform>
            <numerusform>לפני %n שעות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n hour(s)</source>
        <translation>
            <numerusform>בעוד שעה</numerusform>
            <numerusform>בעוד %n שעות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>לפני דקה</numerusform>
            <numerusform>לפני %n דקות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n minute(s)</source>
        <translation>
            <numerusform>בעוד דקה</numerusform>
            <numerusform>בעוד %n דקות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>לפני שנייה</numerusform>
            <numerusform>לפני %n שניות</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n second(s)</source>
        <translation>
            <numerusform>בעוד שנייה</numerusform>
            <numerusform>בעוד %n שניות</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsContainerView</name>
    <message>
        <source>Preferences</source>
        <translation>העדפות</translation>
    </message>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>משוב</translation>
    </message>
    <message>
        <source>Share the love</source>
        <translation>ספרו לחברים</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>שיתוף</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>העתקת הטקסט</translation>
    </message>
    <message>
        <source>Send by Email</source>
        <translation>שליחה בדוא״ל</translation>
    </message>
</context>
<context>
    <name>korrelang::app::AppDelegate</name>
    <message>
        <source>Korrelang Preferences</source>
        <translation>העדפות Korrelang</translation>
    </message>
    <message>
        <source>Welcome to Korrelang</source>
        <translation>ברוכים הבאים ל־Korrelang</translation>
    </message>
    <message>
        <source>Goodbye</source>
        <translation>להתראות</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Sorry for not living up to your needs. We would love to see you back in the future.</source>
        <translation>מצטערים שלא עמדנו בציפיות שלכם. נשמח לראות אתכם שוב בעתיד.</translation>
    </message>
</context>
<context>
    <name>korrelang::app::UpdateAlerts</name>
    <message>
        <source>The update server answered %1.</source>
        <translation>שרת העדכונים השיב %1.</translation>
    </message>
    <message>
        <source>This build has no update feed.</source>
        <translation>בגרסה זו לא הוגדר מקור עדכונים.</translation>
    </message>
    <message>
        <source>The update feed could not be read.</source>
        <translation>לא ניתן היה לקרוא את מקור העדכונים.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>A new version of Korrelang is available</source>
        <translation>גרסה חדשה של Korrelang זמינה</translation>
    </message>
    <message>
        <source>Korrelang %1 is available. You have %2.</source>
        <translation>‏Korrelang %1 זמין. הגרסה שלכם היא %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>הורדה</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>אחר כך</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>יש לכם את הגרסה העדכנית!</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>לא ניתן היה לבדוק אם יש עדכונים.</translation>
    </message>
</context>
<context>
    <name>korrelang::ui::MenuPopupViewModel</name>
    <message>
        <source>Use %1 to convert text</source>
        <translation>השתמשו ב־%1 כדי להמיר טקסט</translation>
    </message>
</context>
<context>
    <name>korrelang::ui::PreferencesViewModel</name>
    <message>
        <source>Updates come with your system&apos;s package updates</source>
        <translation>העדכונים מגיעים עם עדכוני החבילות של המערכת</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>בדיקה אחרונה: %1</translation>
    </message>
</context>
</TS>
