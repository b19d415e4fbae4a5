<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutContentView</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Typed in the wrong language? Korrelang instantly converts selected text between keyboard layouts with a single hotkey. It runs silently in your menu bar.</source>
        <translation>Vous avez tapé dans la mauvaise langue&#xa0;? Korrelang convertit instantanément le texte sélectionné d’une disposition de clavier à l’autre avec un seul raccourci. Il fonctionne discrètement dans la zone de notification.</translation>
    </message>
    <message>
        <source>Created by </source>
        <translation>Créé par </translation>
    </message>
    <message>
        <source>the Korrelang developers</source>
        <translation>l’équipe de Korrelang</translation>
    </message>
    <message>
        <source>Free software for everyone who types in more than one language.</source>
        <translation>Un logiciel libre pour tous ceux qui écrivent dans plusieurs langues.</translation>
    </message>
    <message>
        <source>PRIVACY POLICY</source>
        <translation>POLITIQUE DE CONFIDENTIALITÉ</translation>
    </message>
    <message>
        <source>This is a shortened summary. Read the full privacy policy at %1.</source>
        <translation>Ceci est un résumé. Lisez la politique de confidentialité complète sur %1.</translation>
    </message>
    <message>
        <source>Your text stays on your device</source>
        <translation>Votre texte reste sur votre appareil</translation>
    </message>
    <message>
        <source>Korrelang processes all text locally. Your text, keystrokes, and personal information are never collected, stored, or transmitted.</source>
        <translation>Korrelang traite tout le texte localement. Votre texte, vos frappes au clavier et vos informations personnelles ne sont jamais collectés, stockés ni transmis.</translation>
    </message>
    <message>
        <source>Anonymous analytics</source>
        <translation>Statistiques anonymes</translation>
    </message>
    <message>
        <source>When enabled (the default), Korrelang sends anonymous, non-identifiable usage data (app version, Linux version, language pair) to a privacy-first analytics service based in Germany. All identifiers are SHA-256-hashed on your device. You can disable this anytime in Preferences &gt; Advanced.</source>
        <translation>Lorsque cette option est activée (par défaut), Korrelang envoie des données d’utilisation anonymes et non identifiantes (version de l’application, version de Linux, paire de langues) à un service de statistiques respectueux de la vie privée, basé en Allemagne. Tous les identifiants sont hachés en SHA-256 sur votre appareil. Vous pouvez désactiver cette option à tout moment dans Préférences &gt; Avancé.</translation>
    </message>
    <message>
        <source>This build has no analytics address and sends nothing.</source>
        <translation>Cette version n’a pas d’adresse de statistiques et n’envoie rien.</translation>
    </message>
    <message>
        <source>Your rights</source>
        <translation>Vos droits</translation>
    </message>
    <message>
        <source>You can request access, correction, or deletion of your personal data at any time. EU residents may also lodge a complaint with their local data protection authority.</source>
        <translation>Vous pouvez à tout moment demander l’accès à vos données personnelles, leur rectification ou leur suppression. Les résidents de l’UE peuvent également déposer une réclamation auprès de leur autorité locale de protection des données.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>Copié&#xa0;!</translation>
    </message>
    <message>
        <source>Read full privacy policy</source>
        <translation>Lire la politique de confidentialité complète</translation>
    </message>
    <message>
        <source>HOW TO UNINSTALL</source>
        <translation>DÉSINSTALLATION</translation>
    </message>
    <message>
        <source>Quit the App</source>
        <translation>Quittez l’application</translation>
    </message>
    <message>
        <source>Click the tray icon → Quit</source>
        <translation>Cliquez sur l’icône de la zone de notification → Quitter</translation>
    </message>
    <message>
        <source>Remove the App</source>
        <translation>Supprimez l’application</translation>
    </message>
    <message>
        <source>Remove the korrelang package with your package manager, for example:</source>
        <translation>Supprimez le paquet korrelang avec votre gestionnaire de paquets, par exemple&#xa0;:</translation>
    </message>
    <message>
        <source>Remove Settings (optional)</source>
        <translation>Supprimez les réglages (facultatif)</translation>
    </message>
    <message>
        <source>Open a terminal and run:</source>
        <translation>Ouvrez un terminal et exécutez&#xa0;:</translation>
    </message>
    <message>
        <source>Remove from Autostart</source>
        <translation>Retirez-la du démarrage automatique</translation>
    </message>
    <message>
        <source>Delete the autostart file:</source>
        <translation>Supprimez le fichier de démarrage automatique&#xa0;:</translation>
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
        <translation>Autorisation d’accessibilité requise</translation>
    </message>
    <message>
        <source>Korrelang needs Accessibility permission to read and modify text in other apps.</source>
        <translation>Korrelang a besoin de l’autorisation d’accessibilité pour lire et modifier le texte des autres applications.</translation>
    </message>
    <message>
        <source>Please turn on assistive technologies in your desktop&apos;s accessibility settings.</source>
        <translation>Activez les technologies d’assistance dans les paramètres d’accessibilité de votre bureau.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Ouvrir les paramètres</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Debug: No Text Found</source>
        <translation>Débogage&#xa0;: aucun texte trouvé</translation>
    </message>
    <message>
        <source>Korrelang couldn&apos;t find any text to convert.</source>
        <translation>Korrelang n’a trouvé aucun texte à convertir.</translation>
    </message>
    <message>
        <source>Make sure:</source>
        <translation>Vérifiez que&#xa0;:</translation>
    </message>
    <message>
        <source>• Text is selected (highlighted), OR</source>
        <translation>• du texte est sélectionné (surligné), OU</translation>
    </message>
    <message>
        <source>• Cursor is placed after text in a text field</source>
        <translation>• le curseur est placé après du texte dans un champ de saisie</translation>
    </message>
    <message>
        <source>Run korrelang from a terminal to see the details.</source>
        <translation>Lancez korrelang depuis un terminal pour voir les détails.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Debug: Conversion Failed</source>
        <translation>Débogage&#xa0;: échec de la conversion</translation>
    </message>
    <message>
        <source>Korrelang found text but couldn&apos;t convert it.</source>
        <translation>Korrelang a trouvé du texte mais n’a pas pu le convertir.</translation>
    </message>
    <message>
        <source>Make sure the text contains characters from one of these layouts.</source>
        <translation>Vérifiez que le texte contient des caractères de l’une de ces dispositions.</translation>
    </message>
    <message>
        <source>Could Not Replace Text</source>
        <translation>Impossible de remplacer le texte</translation>
    </message>
    <message>
        <source>The text field you&apos;re in may be read-only or doesn&apos;t support text replacement.</source>
        <translation>Le champ de texte est peut-être en lecture seule ou ne permet pas de remplacer du texte.</translation>
    </message>
    <message>
        <source>Your selected keyboards: %1</source>
        <translation>Vos claviers sélectionnés&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>FeedbackContentView</name>
    <message>
        <source>SEND FEEDBACK</source>
        <translation>ENVOYER DES COMMENTAIRES</translation>
    </message>
    <message>
        <source>Feedback is not configured in this build, so it cannot be sent from here.</source>
        <translation>L’envoi de commentaires n’est pas configuré dans cette version&#xa0;; il est donc impossible d’en envoyer d’ici.</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>YOUR MESSAGE</source>
        <translation>VOTRE MESSAGE</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Feedback Sent!</source>
        <translation>Commentaires envoyés&#xa0;!</translation>
    </message>
    <message>
        <source>Thank you for your feedback! We&apos;ll review it soon.</source>
        <translation>Merci pour vos commentaires&#xa0;! Nous les examinerons bientôt.</translation>
    </message>
    <message>
        <source>Error Sending Feedback</source>
        <translation>Erreur lors de l’envoi des commentaires</translation>
    </message>
    <message>
        <source>Could not send feedback. Please try again later.</source>
        <translation>Impossible d’envoyer les commentaires. Veuillez réessayer plus tard.</translation>
    </message>
</context>
<context>
    <name>FeedbackViewModel</name>
    <message>
        <source>Feature Request</source>
        <translation>Suggestion</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>Bogue</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
</context>
<context>
    <name>FirstLaunchView</name>
    <message>
        <source>GNOME shows no tray icon: start Korrelang again from the applications overview to open its dashboard.</source>
        <translation>GNOME n’affiche pas d’icône dans la zone de notification : relancez Korrelang depuis la vue des applications pour ouvrir son tableau de bord.</translation>
    </message>
    <message>
        <source>Turn On the Extension</source>
        <translation>Activer l’extension</translation>
    </message>
    <message>
        <source>On GNOME, Korrelang needs its Shell extension to switch keyboards after converting, to paste into applications without accessibility support, and to see which application is in front.</source>
        <translation>Sous GNOME, Korrelang a besoin de son extension Shell pour changer de clavier après la conversion, coller dans les applications sans accessibilité et savoir quelle application est au premier plan.</translation>
    </message>
    <message>
        <source>Welcome to Korrelang</source>
        <translation>Bienvenue dans Korrelang</translation>
    </message>
    <message>
        <source>Select your keyboard layouts to get started.</source>
        <translation>Pour commencer, choisissez vos dispositions de clavier.</translation>
    </message>
    <message>
        <source>KEYBOARDS</source>
        <translation>CLAVIERS</translation>
    </message>
    <message>
        <source>At least 2 keyboards required for conversion</source>
        <translation>Au moins 2 claviers sont nécessaires pour la conversion</translation>
    </message>
    <message>
        <source>I agree to the</source>
        <translation>J’accepte les</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Conditions d’utilisation</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et la</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Politique de confidentialité</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>MenuPopupView</name>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>No Hotkey</source>
        <translation>Aucun raccourci</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Accessibility Required</source>
        <translation>Accessibilité requise</translation>
    </message>
    <message>
        <source>Korrelang needs Accessibility permission to convert text.</source>
        <translation>Korrelang a besoin de l’autorisation d’accessibilité pour convertir du texte.</translation>
    </message>
    <message>
        <source>Grant Permission</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversions</translation>
    </message>
    <message numerus="yes">
        <source>%n conversion(s)</source>
        <translation>
            <numerusform>%n conversion</numerusform>
            <numerusform>%n conversions</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Évolution</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caractères</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>PreferencesContentView</name>
    <message>
        <source>Without Korrelang&apos;s GNOME Shell extension, only applications with accessibility support can be converted: turn it on in the Extensions app</source>
        <translation>Sans l’extension GNOME Shell de Korrelang, seules les applications accessibles peuvent être converties : activez-la dans l’application Extensions</translation>
    </message>
    <message>
        <source>Turn on Korrelang&apos;s GNOME Shell extension (in the Extensions app) to use the blacklist</source>
        <translation>Activez l’extension GNOME Shell de Korrelang (dans l’application Extensions) pour utiliser la liste noire</translation>
    </message>
    <message>
        <source>Turn on Korrelang&apos;s GNOME Shell extension (in the Extensions app) to switch keyboards after converting</source>
        <translation>Activez l’extension GNOME Shell de Korrelang (dans l’application Extensions) pour changer de clavier après la conversion</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>PRÉFÉRENCES</translation>
    </message>
    <message>
        <source>KEYBOARDS</source>
        <translation>CLAVIERS</translation>
    </message>
    <message>
        <source>At least 2 keyboards required for conversion</source>
        <translation>Au moins 2 claviers sont nécessaires pour la conversion</translation>
    </message>
    <message>
        <source>HOTKEY</source>
        <translation>RACCOURCI</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Press this shortcut to convert text</source>
        <translation>Appuyez sur ce raccourci pour convertir du texte</translation>
    </message>
    <message>
        <source>No hotkey set - app cannot convert text!</source>
        <translation>Aucun raccourci&#xa0;: impossible de convertir du texte&#xa0;!</translation>
    </message>
    <message>
        <source>APP BLACKLIST</source>
        <translation>APPLICATIONS EXCLUES</translation>
    </message>
    <message>
        <source>No apps blacklisted</source>
        <translation>Aucune application exclue</translation>
    </message>
    <message>
        <source>Blacklist %1</source>
        <translation>Exclure %1</translation>
    </message>
    <message>
        <source>Blacklist current app</source>
        <translation>Exclure l’application active</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>LANGUE</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>AVANCÉ</translation>
    </message>
    <message>
        <source>Auto-switch keyboard</source>
        <translation>Changer de clavier</translation>
    </message>
    <message>
        <source>Switch to target language keyboard after converting</source>
        <translation>Passer au clavier de la langue cible après la conversion</translation>
    </message>
    <message>
        <source>Smart capitalization</source>
        <translation>Majuscules malignes</translation>
    </message>
    <message>
        <source>Hold Shift while typing in non-cased languages to produce uppercase letters</source>
        <translation>Maintenez Maj enfoncée en tapant dans une langue sans casse pour obtenir des majuscules</translation>
    </message>
    <message>
        <source>Unavailable on Wayland: the desktop gives programs no global key hook</source>
        <translation>Indisponible sous Wayland : le bureau ne donne aux programmes aucun accès global au clavier</translation>
    </message>
    <message>
        <source>Waiting for Accessibility permission…</source>
        <translation>En attente de l’autorisation d’accessibilité…</translation>
    </message>
    <message>
        <source>Grant</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>Steady selection</source>
        <translation>Garder la sélection</translation>
    </message>
    <message>
        <source>Keep text selected after conversion for quick re-conversion</source>
        <translation>Garder le texte sélectionné après la conversion pour le reconvertir rapidement</translation>
    </message>
    <message>
        <source>Anonymous analytics</source>
        <translation>Statistiques anonymes</translation>
    </message>
    <message>
        <source>Send anonymous usage data; never the text you convert</source>
        <translation>Envoyer des données d’utilisation anonymes, jamais le texte converti</translation>
    </message>
    <message>
        <source>Pick the layout by spelling</source>
        <translation>Choisir la disposition selon l’orthographe</translation>
    </message>
    <message>
        <source>Convert to the layout whose result reads as real words</source>
        <translation>Convertir vers la disposition qui donne de vrais mots</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>Mises à jour automatiques</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Accessibility permission required for full functionality</source>
        <translation>L’autorisation d’accessibilité est nécessaire pour toutes les fonctions</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>Meta</source>
        <translation>Méta</translation>
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
        <translation>Maj</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Inser</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>Page suiv.</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
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
        <translation>Saisir le raccourci</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Tapez les touches</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it’s already used by the “%1” menu item.</source>
        <translation>Ce raccourci clavier ne peut pas être utilisé, car il est déjà utilisé par l’élément de menu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it’s already a system-wide keyboard shortcut.</source>
        <translation>Ce raccourci clavier ne peut pas être utilisé, car c’est déjà un raccourci du système.</translation>
    </message>
    <message>
        <source>Most system-wide keyboard shortcuts can be changed in your desktop’s keyboard settings.</source>
        <translation>La plupart des raccourcis du système peuvent être modifiés dans les paramètres de clavier de votre bureau.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use Anyway</source>
        <translation>Utiliser quand même</translation>
    </message>
    <message>
        <source>This keyboard shortcut is not allowed.</source>
        <translation>Ce raccourci clavier n’est pas autorisé.</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
</context>
<context>
    <name>RelativeTime</name>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>il y a %n an</numerusform>
            <numerusform>il y a %n ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n year(s)</source>
        <translation>
            <numerusform>dans %n an</numerusform>
            <numerusform>dans %n ans</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>il y a %n mois</numerusform>
            <numerusform>il y a %n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n month(s)</source>
        <translation>
            <numerusform>dans %n mois</numerusform>
            <numerusform>dans %n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>il y a %n semaine</numerusform>
            <numerusform>il y a %n semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n week(s)</source>
        <translation>
            <numerusform>dans %n semaine</numerusform>
            <numerusform>dans %n semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>il y a %n jour</numerusform>
            <numerusform>il y a %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>dans %n jour</numerusform>
            <numerusform>dans %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>il y a %n heure</numerusform>
            <numerusform>il y a %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n hour(s)</source>
        <translation>
            <numerusform>dans %n heure</numerusform>
            <numerusform>dans %n heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>il y a %n minute</numerusform>
            <numerusform>il y a %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n minute(s)</source>
        <translation>
            <numerusform>dans %n minute</numerusform>
            <numerusform>dans %n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>il y a %n seconde</numerusform>
            <numerusform>il y a %n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n second(s)</source>
        <translation>
            <numerusform>dans %n seconde</numerusform>
            <numerusform>dans %n secondes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsContainerView</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commentaires</translation>
    </message>
    <message>
        <source>Share the love</source>
        <translation>Faites passer le mot</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Copier le texte</translation>
    </message>
    <message>
        <source>Send by Email</source>
        <translation>Envoyer par e-mail</translation>
    </message>
</context>
<context>
    <name>korrelang::app::AppDelegate</name>
    <message>
        <source>Korrelang Preferences</source>
        <translation>Préférences de Korrelang</translation>
    </message>
    <message>
        <source>Welcome to Korrelang</source>
        <translation>Bienvenue dans Korrelang</translation>
    </message>
    <message>
        <source>Goodbye</source>
        <translation>Au revoir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sorry for not living up to your needs. We would love to see you back in the future.</source>
        <translation>Désolés de ne pas avoir répondu à vos besoins. Nous serions ravis de vous revoir.</translation>
    </message>
</context>
<context>
    <name>korrelang::app::UpdateAlerts</name>
    <message>
        <source>The update server answered %1.</source>
        <translation>Le serveur de mises à jour a répondu %1.</translation>
    </message>
    <message>
        <source>This build has no update feed.</source>
        <translation>Cette version n’a pas de source de mises à jour.</translation>
    </message>
    <message>
        <source>The update feed could not be read.</source>
        <translation>Impossible de lire la source des mises à jour.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A new version of Korrelang is available</source>
        <translation>Une nouvelle version de Korrelang est disponible</translation>
    </message>
    <message>
        <source>Korrelang %1 is available. You have %2.</source>
        <translation>Korrelang %1 est disponible. Vous avez la version %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>Korrelang est à jour&#xa0;!</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Impossible de rechercher des mises à jour.</translation>
    </message>
</context>
<context>
    <name>korrelang::ui::MenuPopupViewModel</name>
    <message>
        <source>Use %1 to convert text</source>
        <translation>Utilisez %1 pour convertir du texte</translation>
    </message>
</context>
<context>
    <name>korrelang::ui::PreferencesViewModel</name>
    <message>
        <source>Updates come with your system&apos;s package updates</source>
        <translation>Les mises à jour arrivent avec celles des paquets de votre système</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Dernière vérification&#xa0;: %1</translation>
    </message>
</context>
</TS>
