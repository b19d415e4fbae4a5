<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutContentView</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Typed in the wrong language? Korrelang instantly converts selected text between keyboard layouts with a single hotkey. It runs silently in your menu bar.</source>
        <translation>In der falschen Sprache getippt? Korrelang wandelt markierten Text mit einem einzigen Tastenkürzel sofort in die richtige Tastaturbelegung um. Es läuft unauffällig im Infobereich.</translation>
    </message>
    <message>
        <source>Created by </source>
        <translation>Entwickelt von </translation>
    </message>
    <message>
        <source>the Korrelang developers</source>
        <translation>den Korrelang-Entwicklern</translation>
    </message>
    <message>
        <source>Free software for everyone who types in more than one language.</source>
        <translation>Freie Software für alle, die in mehr als einer Sprache schreiben.</translation>
    </message>
    <message>
        <source>PRIVACY POLICY</source>
        <translation>DATENSCHUTZERKLÄRUNG</translation>
    </message>
    <message>
        <source>This is a shortened summary. Read the full privacy policy at %1.</source>
        <translation>Dies ist eine gekürzte Zusammenfassung. Die vollständige Datenschutzerklärung finden Sie unter %1.</translation>
    </message>
    <message>
        <source>Your text stays on your device</source>
        <translation>Ihr Text bleibt auf Ihrem Gerät</translation>
    </message>
    <message>
        <source>Korrelang processes all text locally. Your text, keystrokes, and personal information are never collected, stored, or transmitted.</source>
        <translation>Korrelang verarbeitet jeden Text lokal. Ihr Text, Ihre Tastenanschläge und Ihre persönlichen Daten werden niemals erfasst, gespeichert oder übertragen.</translation>
    </message>
    <message>
        <source>Anonymous analytics</source>
        <translation>Anonyme Statistik</translation>
    </message>
    <message>
        <source>When enabled (the default), Korrelang sends anonymous, non-identifiable usage data (app version, Linux version, language pair) to a privacy-first analytics service based in Germany. All identifiers are SHA-256-hashed on your device. You can disable this anytime in Preferences &gt; Advanced.</source>
        <translation>Wenn aktiviert (Standard), sendet Korrelang anonyme, nicht zuordenbare Nutzungsdaten (App-Version, Linux-Version, Sprachpaar) an einen datenschutzfreundlichen Analysedienst mit Sitz in Deutschland. Alle Kennungen werden auf Ihrem Gerät mit SHA-256 gehasht. Sie können dies jederzeit unter „Einstellungen &gt; Erweitert“ deaktivieren.</translation>
    </message>
    <message>
        <source>This build has no analytics address and sends nothing.</source>
        <translation>Dieser Build hat keine Analyseadresse und sendet nichts.</translation>
    </message>
    <message>
        <source>Your rights</source>
        <translation>Ihre Rechte</translation>
    </message>
    <message>
        <source>You can request access, correction, or deletion of your personal data at any time. EU residents may also lodge a complaint with their local data protection authority.</source>
        <translation>Sie können jederzeit Auskunft über Ihre personenbezogenen Daten sowie deren Berichtigung oder Löschung verlangen. Einwohner der EU können sich außerdem bei ihrer zuständigen Datenschutzbehörde beschweren.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Kopiert!</translation>
    </message>
    <message>
        <source>Read full privacy policy</source>
        <translation>Vollständige Datenschutzerklärung lesen</translation>
    </message>
    <message>
        <source>HOW TO UNINSTALL</source>
        <translation>DEINSTALLATION</translation>
    </message>
    <message>
        <source>Quit the App</source>
        <translation>App beenden</translation>
    </message>
    <message>
        <source>Click the tray icon → Quit</source>
        <translation>Auf das Symbol im Infobereich klicken → „Beenden“</translation>
    </message>
    <message>
        <source>Remove the App</source>
        <translation>App entfernen</translation>
    </message>
    <message>
        <source>Remove the korrelang package with your package manager, for example:</source>
        <translation>Das Paket korrelang mit der Paketverwaltung entfernen, zum Beispiel:</translation>
    </message>
    <message>
        <source>Remove Settings (optional)</source>
        <translation>Einstellungen entfernen (optional)</translation>
    </message>
    <message>
        <source>Open a terminal and run:</source>
        <translation>Ein Terminal öffnen und Folgendes ausführen:</translation>
    </message>
    <message>
        <source>Remove from Autostart</source>
        <translation>Aus dem Autostart entfernen</translation>
    </message>
    <message>
        <source>Delete the autostart file:</source>
        <translation>Die Autostart-Datei löschen:</translation>
    </message>
</context>
<context>
    <name>AlertSheet</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Alerts</name>
    <message>
        <source>Accessibility Permission Required</source>
        <translation>Berechtigung für Barrierefreiheit erforderlich</translation>
    </message>
    <message>
        <source>Korrelang needs Accessibility permission to read and modify text in other apps.</source>
        <translation>Korrelang benötigt die Berechtigung für Barrierefreiheit, um Text in anderen Apps zu lesen und zu ändern.</translation>
    </message>
    <message>
        <source>Please turn on assistive technologies in your desktop&apos;s accessibility settings.</source>
        <translation>Bitte aktivieren Sie unterstützende Technologien in den Barrierefreiheit-Einstellungen Ihrer Arbeitsumgebung.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Debug: No Text Found</source>
        <translation>Debug: Kein Text gefunden</translation>
    </message>
    <message>
        <source>Korrelang couldn&apos;t find any text to convert.</source>
        <translation>Korrelang hat keinen Text zum Umwandeln gefunden.</translation>
    </message>
    <message>
        <source>Make sure:</source>
        <translation>Stellen Sie sicher, dass:</translation>
    </message>
    <message>
        <source>• Text is selected (highlighted), OR</source>
        <translation>• Text markiert ist, ODER</translation>
    </message>
    <message>
        <source>• Cursor is placed after text in a text field</source>
        <translation>• der Cursor in einem Textfeld hinter Text steht</translation>
    </message>
    <message>
        <source>Run korrelang from a terminal to see the details.</source>
        <translation>Starten Sie korrelang in einem Terminal, um die Details zu sehen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Debug: Conversion Failed</source>
        <translation>Debug: Umwandlung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Korrelang found text but couldn&apos;t convert it.</source>
        <translation>Korrelang hat Text gefunden, konnte ihn aber nicht umwandeln.</translation>
    </message>
    <message>
        <source>Make sure the text contains characters from one of these layouts.</source>
        <translation>Stellen Sie sicher, dass der Text Zeichen aus einer dieser Belegungen enthält.</translation>
    </message>
    <message>
        <source>Could Not Replace Text</source>
        <translation>Text konnte nicht ersetzt werden</translation>
    </message>
    <message>
        <source>The text field you&apos;re in may be read-only or doesn&apos;t support text replacement.</source>
        <translation>Das Textfeld ist möglicherweise schreibgeschützt oder unterstützt kein Ersetzen von Text.</translation>
    </message>
    <message>
        <source>Your selected keyboards: %1</source>
        <translation>Ihre ausgewählten Tastaturen: %1</translation>
    </message>
</context>
<context>
    <name>FeedbackContentView</name>
    <message>
        <source>SEND FEEDBACK</source>
        <translation>FEEDBACK SENDEN</translation>
    </message>
    <message>
        <source>Feedback is not configured in this build, so it cannot be sent from here.</source>
        <translation>Feedback ist in diesem Build nicht eingerichtet und kann daher nicht von hier gesendet werden.</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>ART</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>YOUR MESSAGE</source>
        <translation>IHRE NACHRICHT</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Feedback Sent!</source>
        <translation>Feedback gesendet!</translation>
    </message>
    <message>
        <source>Thank you for your feedback! We&apos;ll review it soon.</source>
        <translation>Vielen Dank für Ihr Feedback! Wir sehen es uns bald an.</translation>
    </message>
    <message>
        <source>Error Sending Feedback</source>
        <translation>Fehler beim Senden des Feedbacks</translation>
    </message>
    <message>
        <source>Could not send feedback. Please try again later.</source>
        <translation>Das Feedback konnte nicht gesendet werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
</context>
<context>
    <name>FeedbackViewModel</name>
    <message>
        <source>Feature Request</source>
        <translation>Funktionswunsch</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>Fehlerbericht</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
</context>
<context>
    <name>FirstLaunchView</name>
    <message>
        <source>GNOME shows no tray icon: start Korrelang again from the applications overview to open its dashboard.</source>
        <translation>GNOME zeigt kein Symbol im Infobereich: Starten Sie Korrelang erneut aus der Anwendungsübersicht, um sein Dashboard zu öffnen.</translation>
    </message>
    <message>
        <source>Turn On the Extension</source>
        <translation>Erweiterung einschalten</translation>
    </message>
    <message>
        <source>On GNOME, Korrelang needs its Shell extension to switch keyboards after converting, to paste into applications without accessibility support, and to see which application is in front.</source>
        <translation>Unter GNOME braucht Korrelang seine Shell-Erweiterung, um nach dem Umwandeln die Tastatur zu wechseln, in Anwendungen ohne Barrierefreiheit einzufügen und die aktive Anwendung zu erkennen.</translation>
    </message>
    <message>
        <source>Welcome to Korrelang</source>
        <translation>Willkommen bei Korrelang</translation>
    </message>
    <message>
        <source>Select your keyboard layouts to get started.</source>
        <translation>Wählen Sie zu Beginn Ihre Tastaturbelegungen aus.</translation>
    </message>
    <message>
        <source>KEYBOARDS</source>
        <translation>TASTATUREN</translation>
    </message>
    <message>
        <source>At least 2 keyboards required for conversion</source>
        <translation>Zum Umwandeln sind mindestens 2 Tastaturen nötig</translation>
    </message>
    <message>
        <source>I agree to the</source>
        <translation>Ich akzeptiere die</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Nutzungsbedingungen</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und die</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Datenschutzerklärung</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>MenuPopupView</name>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>No Hotkey</source>
        <translation>Kein Tastenkürzel</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <source>Accessibility Required</source>
        <translation>Barrierefreiheit erforderlich</translation>
    </message>
    <message>
        <source>Korrelang needs Accessibility permission to convert text.</source>
        <translation>Korrelang benötigt die Berechtigung für Barrierefreiheit, um Text umzuwandeln.</translation>
    </message>
    <message>
        <source>Grant Permission</source>
        <translation>Berechtigung erteilen</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Umwandlungen</translation>
    </message>
    <message numerus="yes">
        <source>%n conversion(s)</source>
        <translation>
            <numerusform>%n Umwandlung</numerusform>
            <numerusform>%n Umwandlungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Veränderung</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>PreferencesContentView</name>
    <message>
        <source>Without Korrelang&apos;s GNOME Shell extension, only applications with accessibility support can be converted: turn it on in the Extensions app</source>
        <translation>Ohne die GNOME-Shell-Erweiterung von Korrelang lässt sich nur in Anwendungen mit Barrierefreiheit umwandeln: Schalten Sie sie in der App „Erweiterungen“ ein</translation>
    </message>
    <message>
        <source>Turn on Korrelang&apos;s GNOME Shell extension (in the Extensions app) to use the blacklist</source>
        <translation>Schalten Sie die GNOME-Shell-Erweiterung von Korrelang (in der App „Erweiterungen“) ein, um die Sperrliste zu nutzen</translation>
    </message>
    <message>
        <source>Turn on Korrelang&apos;s GNOME Shell extension (in the Extensions app) to switch keyboards after converting</source>
        <translation>Schalten Sie die GNOME-Shell-Erweiterung von Korrelang (in der App „Erweiterungen“) ein, um nach dem Umwandeln die Tastatur zu wechseln</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>EINSTELLUNGEN</translation>
    </message>
    <message>
        <source>KEYBOARDS</source>
        <translation>TASTATUREN</translation>
    </message>
    <message>
        <source>At least 2 keyboards required for conversion</source>
        <translation>Zum Umwandeln sind mindestens 2 Tastaturen nötig</translation>
    </message>
    <message>
        <source>HOTKEY</source>
        <translation>TASTENKÜRZEL</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Press this shortcut to convert text</source>
        <translation>Dieses Tastenkürzel wandelt Text um</translation>
    </message>
    <message>
        <source>No hotkey set - app cannot convert text!</source>
        <translation>Kein Tastenkürzel – Text kann nicht umgewandelt werden!</translation>
    </message>
    <message>
        <source>APP BLACKLIST</source>
        <translation>AUSGESCHLOSSENE APPS</translation>
    </message>
    <message>
        <source>No apps blacklisted</source>
        <translation>Keine Apps ausgeschlossen</translation>
    </message>
    <message>
        <source>Blacklist %1</source>
        <translation>%1 ausschließen</translation>
    </message>
    <message>
        <source>Blacklist current app</source>
        <translation>Aktuelle App ausschließen</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>SPRACHE</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>ERWEITERT</translation>
    </message>
    <message>
        <source>Auto-switch keyboard</source>
        <translation>Tastatur umschalten</translation>
    </message>
    <message>
        <source>Switch to target language keyboard after converting</source>
        <translation>Nach dem Umwandeln zur Tastatur der Zielsprache wechseln</translation>
    </message>
    <message>
        <source>Smart capitalization</source>
        <translation>Kluge Großschreibung</translation>
    </message>
    <message>
        <source>Hold Shift while typing in non-cased languages to produce uppercase letters</source>
        <translation>Umschalttaste halten, um in Sprachen ohne Groß- und Kleinschreibung Großbuchstaben zu tippen</translation>
    </message>
    <message>
        <source>Unavailable on Wayland: the desktop gives programs no global key hook</source>
        <translation>Unter Wayland nicht verfügbar: Der Desktop gibt Programmen keinen globalen Tastenzugriff</translation>
    </message>
    <message>
        <source>Waiting for Accessibility permission…</source>
        <translation>Warten auf die Berechtigung für Barrierefreiheit…</translation>
    </message>
    <message>
        <source>Grant</source>
        <translation>Erteilen</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Steady selection</source>
        <translation>Auswahl beibehalten</translation>
    </message>
    <message>
        <source>Keep text selected after conversion for quick re-conversion</source>
        <translation>Text nach dem Umwandeln markiert lassen, um ihn schnell erneut umzuwandeln</translation>
    </message>
    <message>
        <source>Anonymous analytics</source>
        <translation>Anonyme Statistik</translation>
    </message>
    <message>
        <source>Send anonymous usage data; never the text you convert</source>
        <translation>Anonyme Nutzungsdaten senden – niemals den umgewandelten Text</translation>
    </message>
    <message>
        <source>Pick the layout by spelling</source>
        <translation>Belegung nach Rechtschreibung wählen</translation>
    </message>
    <message>
        <source>Convert to the layout whose result reads as real words</source>
        <translation>In die Belegung umwandeln, die echte Wörter ergibt</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>Automatische Updates</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <source>Accessibility permission required for full functionality</source>
        <translation>Für den vollen Funktionsumfang ist die Berechtigung für Barrierefreiheit nötig</translation>
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
        <translation>Strg</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Bild auf</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>Bild ab</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
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
        <translation>Löschen</translation>
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
        <translation>Kürzel aufnehmen</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Kürzel drücken</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it’s already used by the “%1” menu item.</source>
        <translation>Dieses Tastenkürzel kann nicht verwendet werden, da es bereits vom Menüeintrag „%1“ verwendet wird.</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it’s already a system-wide keyboard shortcut.</source>
        <translation>Dieses Tastenkürzel kann nicht verwendet werden, da es bereits systemweit belegt ist.</translation>
    </message>
    <message>
        <source>Most system-wide keyboard shortcuts can be changed in your desktop’s keyboard settings.</source>
        <translation>Die meisten systemweiten Tastenkürzel lassen sich in den Tastatureinstellungen Ihrer Arbeitsumgebung ändern.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use Anyway</source>
        <translation>Trotzdem verwenden</translation>
    </message>
    <message>
        <source>This keyboard shortcut is not allowed.</source>
        <translation>Dieses Tastenkürzel ist nicht zulässig.</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leertaste</translation>
    </message>
</context>
<context>
    <name>RelativeTime</name>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>vor %n Jahr</numerusform>
            <numerusform>vor %n Jahren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n year(s)</source>
        <translation>
            <numerusform>in %n Jahr</numerusform>
            <numerusform>in %n Jahren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>vor %n Monat</numerusform>
            <numerusform>vor %n Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n month(s)</source>
        <translation>
            <numerusform>in %n Monat</numerusform>
            <numerusform>in %n Monaten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>vor %n Woche</numerusform>
            <numerusform>vor %n Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n week(s)</source>
        <translation>
            <numerusform>in %n Woche</numerusform>
            <numerusform>in %n Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>vor %n Tag</numerusform>
            <numerusform>vor %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>in %n Tag</numerusform>
            <numerusform>in %n Tagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>vor %n Stunde</numerusform>
            <numerusform>vor %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n hour(s)</source>
        <translation>
            <numerusform>in %n Stunde</numerusform>
            <numerusform>in %n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>vor %n Minute</numerusform>
            <numerusform>vor %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n minute(s)</source>
        <translation>
            <numerusform>in %n Minute</numerusform>
            <numerusform>in %n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>vor %n Sekunde</numerusform>
            <numerusform>vor %n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n second(s)</source>
        <translation>
            <numerusform>in %n Sekunde</numerusform>
            <numerusform>in %n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsContainerView</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Share the love</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Text kopieren</translation>
    </message>
    <message>
        <source>Send by Email</source>
        <translation>Per E-Mail senden</translation>
    </message>
</context>
<context>
    <name>korrelang::app::AppDelegate</name>
    <message>
        <source>Korrelang Preferences</source>
        <translation>Korrelang-Einstellungen</translation>
    </message>
    <message>
        <source>Welcome to Korrelang</source>
        <translation>Willkommen bei Korrelang</translation>
    </message>
    <message>
        <source>Goodbye</source>
        <translation>Auf Wiedersehen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sorry for not living up to your needs. We would love to see you back in the future.</source>
        <translation>Schade, dass Korrelang nicht das Richtige für Sie war. Wir würden uns freuen, Sie wiederzusehen.</translation>
    </message>
</context>
<context>
    <name>korrelang::app::UpdateAlerts</name>
    <message>
        <source>The update server answered %1.</source>
        <translation>Der Update-Server antwortete mit %1.</translation>
    </message>
    <message>
        <source>This build has no update feed.</source>
        <translation>Dieser Build hat keine Update-Quelle.</translation>
    </message>
    <message>
        <source>The update feed could not be read.</source>
        <translation>Die Update-Quelle konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A new version of Korrelang is available</source>
        <translation>Eine neue Version von Korrelang ist verfügbar</translation>
    </message>
    <message>
        <source>Korrelang %1 is available. You have %2.</source>
        <translation>Korrelang %1 ist verfügbar. Installiert ist %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Korrelang ist auf dem neuesten Stand!</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Es konnte nicht nach Updates gesucht werden.</translation>
    </message>
</context>
<context>
    <name>korrelang::ui::MenuPopupViewModel</name>
    <message>
        <source>Use %1 to convert text</source>
        <translation>Mit %1 wandeln Sie Text um</translation>
    </message>
</context>
<context>
    <name>korrelang::ui::PreferencesViewModel</name>
    <message>
        <source>Updates come with your system&apos;s package updates</source>
        <translation>Updates kommen über die Paketverwaltung Ihres Systems</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Zuletzt geprüft: %1</translation>
    </message>
</context>
</TS>
