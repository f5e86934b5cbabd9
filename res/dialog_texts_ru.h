// The dialogs' texts in the module itself (Russian).
#pragma once

#define DIALOG_LANGUAGE LANG_RUSSIAN, SUBLANG_DEFAULT
#define DLG_MAIN_CAPTION "Расчёт-462 ЗЮЛК-04-04 Нарвелин"
#define DLG_CLOSE "Закрыть"
#define DLG_SOLVENT_MASS "Масса растворителя"
#define DLG_PORTION_MASS "Масса навески"
#define DLG_SAMPLE_MASS "Масса пробы"
#define DLG_WATER "Молярная доля воды"
#define DLG_ERRORS "Список ошибок"
#define DLG_RECALCULATE "Пересчитать"
#define DLG_ABOUT_CAPTION "О плагине"
#define DLG_ABOUT_NAME "Нарвелин"
#define DLG_ABOUT_VERSION "Версия 1.0.0.0"
#define DLG_ABOUT_DESCRIPTION "Расчёт-462 ЗЮЛК-04-04 Нарвелин Опеределение содержания воды в трасформаторном масле"
#define DLG_ABOUT_LEGAL "Copyright (C) 2026 talvex7 developers"
