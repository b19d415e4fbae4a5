<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutContentView</name>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Typed in the wrong language? Korrelang instantly converts selected text between keyboard layouts with a single hotkey. It runs silently in your menu bar.</source>
        <translation>¿Has escrito con el idioma equivocado? Korrelang convierte al instante el texto seleccionado entre distribuciones de teclado con un solo atajo. Funciona discretamente en el área de notificación.</translation>
    </message>
    <message>
        <source>Created by </source>
        <translation>Creado por </translation>
    </message>
    <message>
        <source>the Korrelang developers</source>
        <translation>el equipo de Korrelang</translation>
    </message>
    <message>
        <source>Free software for everyone who types in more than one language.</source>
        <translation>Software libre para todos los que escriben en más de un idioma.</translation>
    </message>
    <message>
        <source>PRIVACY POLICY</source>
        <translation>POLÍTICA DE PRIVACIDAD</translation>
    </message>
    <message>
        <source>This is a shortened summary. Read the full privacy policy at %1.</source>
        <translation>Este es un resumen. Lee la política de privacidad completa en %1.</translation>
    </message>
    <message>
        <source>Your text stays on your device</source>
        <translation>Tu texto no sale de tu dispositivo</translation>
    </message>
    <message>
        <source>Korrelang processes all text locally. Your text, keystrokes, and personal information are never collected, stored, or transmitted.</source>
        <translation>Korrelang procesa todo el texto de forma local. Tu texto, tus pulsaciones de teclas y tu información personal nunca se recopilan, almacenan ni transmiten.</translation>
    </message>
    <message>
        <source>Anonymous analytics</source>
        <translation>Estadísticas anónimas</translation>
    </message>
    <message>
        <source>When enabled (the default), Korrelang sends anonymous, non-identifiable usage data (app version, Linux version, language pair) to a privacy-first analytics service based in Germany. All identifiers are SHA-256-hashed on your device. You can disable this anytime in Preferences &gt; Advanced.</source>
        <translation>Si está activado (opción predeterminada), Korrelang envía datos de uso anónimos y no identificables (versión de la aplicación, versión de Linux, par de idiomas) a un servicio de estadísticas centrado en la privacidad con sede en Alemania. Todos los identificadores se procesan con hash SHA-256 en tu dispositivo. Puedes desactivarlo en cualquier momento en Preferencias &gt; Avanzado.</translation>
    </message>
    <message>
        <source>This build has no analytics address and sends nothing.</source>
        <translation>Esta compilación no tiene dirección de estadísticas y no envía nada.</translation>
    </message>
    <message>
        <source>Your rights</source>
        <translation>Tus derechos</translation>
    </message>
    <message>
        <source>You can request access, correction, or deletion of your personal data at any time. EU residents may also lodge a complaint with their local data protection authority.</source>
        <translation>Puedes solicitar en cualquier momento el acceso, la rectificación o la eliminación de tus datos personales. Los residentes en la UE también pueden presentar una reclamación ante su autoridad local de protección de datos.</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Copied!</source>
        <translation>¡Copiado!</translation>
    </message>
    <message>
        <source>Read full privacy policy</source>
        <translation>Leer la política de privacidad completa</translation>
    </message>
    <message>
        <source>HOW TO UNINSTALL</source>
        <translation>CÓMO DESINSTALAR</translation>
    </message>
    <message>
        <source>Quit the App</source>
        <translation>Cierra la aplicación</translation>
    </message>
    <message>
        <source>Click the tray icon → Quit</source>
        <translation>Haz clic en el icono del área de notificación → Salir</translation>
    </message>
    <message>
        <source>Remove the App</source>
        <translation>Elimina la aplicación</translation>
    </message>
    <message>
        <source>Remove the korrelang package with your package manager, for example:</source>
        <translation>Elimina el paquete korrelang con tu gestor de paquetes, por ejemplo:</translation>
    </message>
    <message>
        <source>Remove Settings (optional)</source>
        <translation>Elimina los ajustes (opcional)</translation>
    </message>
    <message>
        <source>Open a terminal and run:</source>
        <translation>Abre un terminal y ejecuta:</translation>
    </message>
    <message>
        <source>Remove from Autostart</source>
        <translation>Quítala del inicio automático</translation>
    </message>
    <message>
        <source>Delete the autostart file:</source>
        <translation>Borra el archivo de inicio automático:</translation>
    </message>
</context>
<context>
    <name>AlertSheet</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Alerts</name>
    <message>
        <source>Accessibility Permission Required</source>
        <translation>Se necesita permiso de accesibilidad</translation>
    </message>
    <message>
        <source>Korrelang needs Accessibility permission to read and modify text in other apps.</source>
        <translation>Korrelang necesita permiso de accesibilidad para leer y modificar texto en otras aplicaciones.</translation>
    </message>
    <message>
        <source>Please turn on assistive technologies in your desktop&apos;s accessibility settings.</source>
        <translation>Activa las tecnologías de asistencia en la configuración de accesibilidad de tu escritorio.</translation>
    </message>
    <message>
        <source>Open Settings</source>
        <translation>Abrir la configuración</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Debug: No Text Found</source>
        <translation>Depuración: no se encontró texto</translation>
    </message>
    <message>
        <source>Korrelang couldn&apos;t find any text to convert.</source>
        <translation>Korrelang no encontró ningún texto que convertir.</translation>
    </message>
    <message>
        <source>Make sure:</source>
        <translation>Asegúrate de que:</translation>
    </message>
    <message>
        <source>• Text is selected (highlighted), OR</source>
        <translation>• hay texto seleccionado (resaltado), O</translation>
    </message>
    <message>
        <source>• Cursor is placed after text in a text field</source>
        <translation>• el cursor está después del texto en un campo de texto</translation>
    </message>
    <message>
        <source>Run korrelang from a terminal to see the details.</source>
        <translation>Ejecuta korrelang desde un terminal para ver los detalles.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Debug: Conversion Failed</source>
        <translation>Depuración: la conversión falló</translation>
    </message>
    <message>
        <source>Korrelang found text but couldn&apos;t convert it.</source>
        <translation>Korrelang encontró texto, pero no pudo convertirlo.</translation>
    </message>
    <message>
        <source>Make sure the text contains characters from one of these layouts.</source>
        <translation>Asegúrate de que el texto contenga caracteres de una de estas distribuciones.</translation>
    </message>
    <message>
        <source>Could Not Replace Text</source>
        <translation>No se pudo reemplazar el texto</translation>
    </message>
    <message>
        <source>The text field you&apos;re in may be read-only or doesn&apos;t support text replacement.</source>
        <translation>Puede que el campo de texto sea de solo lectura o no admita reemplazar texto.</translation>
    </message>
    <message>
        <source>Your selected keyboards: %1</source>
        <translation>Tus teclados seleccionados: %1</translation>
    </message>
</context>
<context>
    <name>FeedbackContentView</name>
    <message>
        <source>SEND FEEDBACK</source>
        <translation>ENVIAR COMENTARIOS</translation>
    </message>
    <message>
        <source>Feedback is not configured in this build, so it cannot be sent from here.</source>
        <translation>El envío de comentarios no está configurado en esta compilación, así que no se pueden enviar desde aquí.</translation>
    </message>
    <message>
        <source>TYPE</source>
        <translation>TIPO</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>YOUR MESSAGE</source>
        <translation>TU MENSAJE</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Feedback Sent!</source>
        <translation>¡Comentarios enviados!</translation>
    </message>
    <message>
        <source>Thank you for your feedback! We&apos;ll review it soon.</source>
        <translation>¡Gracias por tus comentarios! Los revisaremos pronto.</translation>
    </message>
    <message>
        <source>Error Sending Feedback</source>
        <translation>Error al enviar los comentarios</translation>
    </message>
    <message>
        <source>Could not send feedback. Please try again later.</source>
        <translation>No se pudieron enviar los comentarios. Inténtalo de nuevo más tarde.</translation>
    </message>
</context>
<context>
    <name>FeedbackViewModel</name>
    <message>
        <source>Feature Request</source>
        <translation>Sugerencia</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
</context>
<context>
    <name>FirstLaunchView</name>
    <message>
        <source>GNOME shows no tray icon: start Korrelang again from the applications overview to open its dashboard.</source>
        <translation>GNOME no muestra icono en la bandeja: vuelva a abrir Korrelang desde la vista de aplicaciones para ver su panel.</translation>
    </message>
    <message>
        <source>Turn On the Extension</source>
        <translation>Activar la extensión</translation>
    </message>
    <message>
        <source>On GNOME, Korrelang needs its Shell extension to switch keyboards after converting, to paste into applications without accessibility support, and to see which application is in front.</source>
        <translation>En GNOME, Korrelang necesita su extensión de Shell para cambiar de teclado tras convertir, pegar en aplicaciones sin accesibilidad y saber qué aplicación está al frente.</translation>
    </message>
    <message>
        <source>Welcome to Korrelang</source>
        <translation>Te damos la bienvenida a Korrelang</translation>
    </message>
    <message>
        <source>Select your keyboard layouts to get started.</source>
        <translation>Para empezar, elige tus distribuciones de teclado.</translation>
    </message>
    <message>
        <source>KEYBOARDS</source>
        <translation>TECLADOS</translation>
    </message>
    <message>
        <source>At least 2 keyboards required for conversion</source>
        <translation>Se necesitan al menos 2 teclados para convertir</translation>
    </message>
    <message>
        <source>I agree to the</source>
        <translation>Acepto los</translation>
    </message>
    <message>
        <source>Terms of Use</source>
        <translation>Términos de uso</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y la</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Política de privacidad</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
</context>
<context>
    <name>MenuPopupView</name>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>No Hotkey</source>
        <translation>Sin atajo</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activo</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>Accessibility Required</source>
        <translation>Se requiere accesibilidad</translation>
    </message>
    <message>
        <source>Korrelang needs Accessibility permission to convert text.</source>
        <translation>Korrelang necesita permiso de accesibilidad para convertir texto.</translation>
    </message>
    <message>
        <source>Grant Permission</source>
        <translation>Conceder permiso</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversiones</translation>
    </message>
    <message numerus="yes">
        <source>%n conversion(s)</source>
        <translation>
            <numerusform>%n conversión</numerusform>
            <numerusform>%n conversiones</numerusform>
        </translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Caracteres</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>PreferencesContentView</name>
    <message>
        <source>Without Korrelang&apos;s GNOME Shell extension, only applications with accessibility support can be converted: turn it on in the Extensions app</source>
        <translation>Sin la extensión de GNOME Shell de Korrelang, solo se puede convertir en aplicaciones con accesibilidad: actívela en la aplicación Extensiones</translation>
    </message>
    <message>
        <source>Turn on Korrelang&apos;s GNOME Shell extension (in the Extensions app) to use the blacklist</source>
        <translation>Active la extensión de GNOME Shell de Korrelang (en la aplicación Extensiones) para usar la lista negra</translation>
    </message>
    <message>
        <source>Turn on Korrelang&apos;s GNOME Shell extension (in the Extensions app) to switch keyboards after converting</source>
        <translation>Active la extensión de GNOME Shell de Korrelang (en la aplicación Extensiones) para cambiar de teclado tras convertir</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>PREFERENCIAS</translation>
    </message>
    <message>
        <source>KEYBOARDS</source>
        <translation>TECLADOS</translation>
    </message>
    <message>
        <source>At least 2 keyboards required for conversion</source>
        <translation>Se necesitan al menos 2 teclados para convertir</translation>
    </message>
    <message>
        <source>HOTKEY</source>
        <translation>ATAJO DE TECLADO</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Press this shortcut to convert text</source>
        <translation>Pulsa este atajo para convertir el texto</translation>
    </message>
    <message>
        <source>No hotkey set - app cannot convert text!</source>
        <translation>Sin atajo: ¡no se puede convertir texto!</translation>
    </message>
    <message>
        <source>APP BLACKLIST</source>
        <translation>APLICACIONES EXCLUIDAS</translation>
    </message>
    <message>
        <source>No apps blacklisted</source>
        <translation>No hay aplicaciones excluidas</translation>
    </message>
    <message>
        <source>Blacklist %1</source>
        <translation>Excluir %1</translation>
    </message>
    <message>
        <source>Blacklist current app</source>
        <translation>Excluir la aplicación actual</translation>
    </message>
    <message>
        <source>LANGUAGE</source>
        <translation>IDIOMA</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>ADVANCED</source>
        <translation>AVANZADO</translation>
    </message>
    <message>
        <source>Auto-switch keyboard</source>
        <translation>Cambiar de teclado</translation>
    </message>
    <message>
        <source>Switch to target language keyboard after converting</source>
        <translation>Cambiar al teclado del idioma de destino después de convertir</translation>
    </message>
    <message>
        <source>Smart capitalization</source>
        <translation>Mayúsculas inteligentes</translation>
    </message>
    <message>
        <source>Hold Shift while typing in non-cased languages to produce uppercase letters</source>
        <translation>Mantén pulsada Mayús al escribir en idiomas sin mayúsculas para obtener letras mayúsculas</translation>
    </message>
    <message>
        <source>Unavailable on Wayland: the desktop gives programs no global key hook</source>
        <translation>No disponible en Wayland: el escritorio no da a los programas acceso global al teclado</translation>
    </message>
    <message>
        <source>Waiting for Accessibility permission…</source>
        <translation>Esperando el permiso de accesibilidad…</translation>
    </message>
    <message>
        <source>Grant</source>
        <translation>Conceder</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Steady selection</source>
        <translation>Mantener la selección</translation>
    </message>
    <message>
        <source>Keep text selected after conversion for quick re-conversion</source>
        <translation>Mantener el texto seleccionado tras convertirlo para volver a convertirlo rápido</translation>
    </message>
    <message>
        <source>Anonymous analytics</source>
        <translation>Estadísticas anónimas</translation>
    </message>
    <message>
        <source>Send anonymous usage data; never the text you convert</source>
        <translation>Enviar datos de uso anónimos, nunca el texto que conviertes</translation>
    </message>
    <message>
        <source>Pick the layout by spelling</source>
        <translation>Elegir la distribución por ortografía</translation>
    </message>
    <message>
        <source>Convert to the layout whose result reads as real words</source>
        <translation>Convertir a la distribución que da palabras reales</translation>
    </message>
    <message>
        <source>Automatic updates</source>
        <translation>Actualizaciones automáticas</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Accessibility permission required for full functionality</source>
        <translation>Se necesita permiso de accesibilidad para usar todas las funciones</translation>
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
        <translation>Mayús</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Retorno</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Re Pág</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>Av Pág</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
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
        <translation>Borrar</translation>
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
        <translation>Grabar atajo</translation>
    </message>
    <message>
        <source>Press Shortcut</source>
        <translation>Pulsa el atajo</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it’s already used by the “%1” menu item.</source>
        <translation>No se puede usar este atajo de teclado porque ya lo usa el elemento de menú «%1».</translation>
    </message>
    <message>
        <source>This keyboard shortcut cannot be used as it’s already a system-wide keyboard shortcut.</source>
        <translation>No se puede usar este atajo de teclado porque ya es un atajo de todo el sistema.</translation>
    </message>
    <message>
        <source>Most system-wide keyboard shortcuts can be changed in your desktop’s keyboard settings.</source>
        <translation>La mayoría de los atajos del sistema se pueden cambiar en la configuración de teclado de tu escritorio.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Use Anyway</source>
        <translation>Usar de todos modos</translation>
    </message>
    <message>
        <source>This keyboard shortcut is not allowed.</source>
        <translation>Este atajo de teclado no está permitido.</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
</context>
<context>
    <name>RelativeTime</name>
    <message numerus="yes">
        <source>%n year(s) ago</source>
        <translation>
            <numerusform>hace %n año</numerusform>
            <numerusform>hace %n años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n year(s)</source>
        <translation>
            <numerusform>dentro de %n año</numerusform>
            <numerusform>dentro de %n años</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s) ago</source>
        <translation>
            <numerusform>hace %n mes</numerusform>
            <numerusform>hace %n meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n month(s)</source>
        <translation>
            <numerusform>dentro de %n mes</numerusform>
            <numerusform>dentro de %n meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n week(s) ago</source>
        <translation>
            <numerusform>hace %n semana</numerusform>
            <numerusform>hace %n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n week(s)</source>
        <translation>
            <numerusform>dentro de %n semana</numerusform>
            <numerusform>dentro de %n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) ago</source>
        <translation>
            <numerusform>hace %n día</numerusform>
            <numerusform>hace %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n day(s)</source>
        <translation>
            <numerusform>dentro de %n día</numerusform>
            <numerusform>dentro de %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s) ago</source>
        <translation>
            <numerusform>hace %n hora</numerusform>
            <numerusform>hace %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n hour(s)</source>
        <translation>
            <numerusform>dentro de %n hora</numerusform>
            <numerusform>dentro de %n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s) ago</source>
        <translation>
            <numerusform>hace %n minuto</numerusform>
            <numerusform>hace %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n minute(s)</source>
        <translation>
            <numerusform>dentro de %n minuto</numerusform>
            <numerusform>dentro de %n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n second(s) ago</source>
        <translation>
            <numerusform>hace %n segundo</numerusform>
            <numerusform>hace %n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>in %n second(s)</source>
        <translation>
            <numerusform>dentro de %n segundo</numerusform>
            <numerusform>dentro de %n segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsContainerView</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Share the love</source>
        <translation>Recomiéndalo</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Copy Text</source>
        <translation>Copiar texto</translation>
    </message>
    <message>
        <source>Send by Email</source>
        <translation>Enviar por correo</translation>
    </message>
</context>
<context>
    <name>korrelang::app::AppDelegate</name>
    <message>
        <source>Korrelang Preferences</source>
        <translation>Preferencias de Korrelang</translation>
    </message>
    <message>
        <source>Welcome to Korrelang</source>
        <translation>Te damos la bienvenida a Korrelang</translation>
    </message>
    <message>
        <source>Goodbye</source>
        <translation>Adiós</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Sorry for not living up to your needs. We would love to see you back in the future.</source>
        <translation>Sentimos no haber estado a la altura. Nos encantaría volver a verte.</translation>
    </message>
</context>
<context>
    <name>korrelang::app::UpdateAlerts</name>
    <message>
        <source>The update server answered %1.</source>
        <translation>El servidor de actualizaciones respondió %1.</translation>
    </message>
    <message>
        <source>This build has no update feed.</source>
        <translation>Esta compilación no tiene fuente de actualizaciones.</translation>
    </message>
    <message>
        <source>The update feed could not be read.</source>
        <translation>No se pudo leer la fuente de actualizaciones.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>A new version of Korrelang is available</source>
        <translation>Hay una nueva versión de Korrelang disponible</translation>
    </message>
    <message>
        <source>Korrelang %1 is available. You have %2.</source>
        <translation>Korrelang %1 está disponible. Tienes la versión %2.</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>You&apos;re up to date!</source>
        <translation>¡Tienes la última versión!</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>No se pudieron buscar actualizaciones.</translation>
    </message>
</context>
<context>
    <name>korrelang::ui::MenuPopupViewModel</name>
    <message>
        <source>Use %1 to convert text</source>
        <translation>Usa %1 para convertir texto</translation>
    </message>
</context>
<context>
    <name>korrelang::ui::PreferencesViewModel</name>
    <message>
        <source>Updates come with your system&apos;s package updates</source>
        <translation>Las actualizaciones llegan con las de los paquetes del sistema</translation>
    </message>
    <message>
        <source>Last checked: %1</source>
        <translation>Última comprobación: %1</translation>
    </message>
</context>
</TS>
