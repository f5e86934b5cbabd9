; The installer's own texts, in Russian and English (NSIS picks the language of the Windows user interface).

LangString CAPTION ${LANG_RUSSIAN} "Установка talvex7 (Нарвелин)"
LangString CAPTION ${LANG_ENGLISH} "talvex7 (Narvelin) Setup"

LangString DISPLAY_NAME ${LANG_RUSSIAN} "talvex7: Расчёт-462 ЗЮЛК-04-04 Нарвелин"
LangString DISPLAY_NAME ${LANG_ENGLISH} "talvex7: Calculation-462 ZYuLK-04-04 Narvelin"

LangString DIRECTORY_TEXT ${LANG_RUSSIAN} "Выберите папку модулей расчёта (плагинов) хроматографической программы. Модуль talvex7.dll и его английские ресурсы talvex7ENU.dll будут скопированы в эту папку."
LangString DIRECTORY_TEXT ${LANG_ENGLISH} "Choose the plug-in folder of the chromatography workstation. The module talvex7.dll and its English resources talvex7ENU.dll are copied into this folder."

LangString ASK_REPLACE_STYLESHEET ${LANG_RUSSIAN} "Файл стилей отчёта $styleSheet уже есть и, возможно, изменён в лаборатории.$\r$\n$\r$\nЗаменить его стандартным? При ответе «Нет» файл останется без изменений."
LangString ASK_REPLACE_STYLESHEET ${LANG_ENGLISH} "The report style sheet $styleSheet already exists and may have been edited locally.$\r$\n$\r$\nReplace it with the default one? Answer No to keep it unchanged."

LangString KEPT_STYLESHEET ${LANG_RUSSIAN} "Существующий файл стилей отчёта сохранён: $styleSheet"
LangString KEPT_STYLESHEET ${LANG_ENGLISH} "The existing report style sheet was kept: $styleSheet"
