; The installer's own texts in English and Russian; the rest comes with MUI2.

LangString WelcomeText ${LANG_ENGLISH} "Setup will install Sorvane ${VERSION}, the underwater world screensaver, with its music and ambient sound.$\r$\n$\r$\nThe screensaver goes into the Windows system folder, so Setup needs administrator rights.$\r$\n$\r$\nClick Install to continue."
LangString WelcomeText ${LANG_RUSSIAN} "Программа установит Sorvane ${VERSION}, заставку с подводным миром, вместе с её музыкой и звуками моря.$\r$\n$\r$\nЗаставка устанавливается в системную папку Windows, поэтому нужны права администратора.$\r$\n$\r$\nНажмите «Установить», чтобы продолжить."

LangString ChooseSaverText ${LANG_ENGLISH} "Make Sorvane my screensaver"
LangString ChooseSaverText ${LANG_RUSSIAN} "Сделать Sorvane моей заставкой"

LangString OpenSettingsText ${LANG_ENGLISH} "Open the screensaver settings"
LangString OpenSettingsText ${LANG_RUSSIAN} "Открыть параметры заставки"

LangString NeedAdminText ${LANG_ENGLISH} "Setup needs administrator rights to put Sorvane into the Windows system folder.$\r$\n$\r$\nPlease run Setup again as an administrator."
LangString NeedAdminText ${LANG_RUSSIAN} "Для установки Sorvane в системную папку Windows нужны права администратора.$\r$\n$\r$\nЗапустите программу установки от имени администратора."

LangString un.NeedAdminText ${LANG_ENGLISH} "Removing Sorvane from the Windows system folder needs administrator rights.$\r$\n$\r$\nPlease run the uninstaller again as an administrator."
LangString un.NeedAdminText ${LANG_RUSSIAN} "Для удаления Sorvane из системной папки Windows нужны права администратора.$\r$\n$\r$\nЗапустите удаление от имени администратора."

LangString un.RemoveSettingsText ${LANG_ENGLISH} "Remove your Sorvane settings too?$\r$\n$\r$\nAnswer No to keep them for a later install."
LangString un.RemoveSettingsText ${LANG_RUSSIAN} "Удалить также ваши настройки Sorvane?$\r$\n$\r$\nОтветьте «Нет», чтобы сохранить их для следующей установки."
