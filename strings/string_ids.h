// Ids of the texts the analyst reads, shared by the code, the resource scripts of the module and of its language
// modules, and the built-in Russian table. Included by windres as well as by C++: plain #defines only.
#pragma once

// The menu entry and the list-command buttons' tooltips.
#define IDS_MENU_PATH 103
#define IDS_TIP_ADD 104
#define IDS_TIP_REMOVE 105
#define IDS_TIP_REMOVE_ALL 106
#define IDS_TIP_OPEN 107
#define IDS_TIP_REPORT 108

// The roles of the chromatograms, in role order.
#define IDS_ROLE_DRIED_CALIBRATION 200
#define IDS_ROLE_CALIBRATION1 201
#define IDS_ROLE_CALIBRATION2 202
#define IDS_ROLE_CALIBRATION3 203
#define IDS_ROLE_CALIBRATION4 204
#define IDS_ROLE_DRIED_ANALYSIS 205
#define IDS_ROLE_ANALYSIS 206

// The acceptance checks' messages (%1: the clause of the method), in the order the checks are made.
#define IDS_CHECK_LEVEL1 208
#define IDS_CHECK_LEVEL2 209
#define IDS_CHECK_LEVEL3 210
#define IDS_CHECK_LEVEL4 211
#define IDS_CHECK_DRY_CALIBRATION 212
#define IDS_CHECK_COEFFICIENT 213
#define IDS_CHECK_DRY_ANALYSIS 214
#define IDS_CHECK_SAMPLE 215
// What each check judged, in the same order.
#define IDS_SUBJECT_LEVEL1 216
#define IDS_SUBJECT_LEVEL2 217
#define IDS_SUBJECT_LEVEL3 218
#define IDS_SUBJECT_LEVEL4 219
#define IDS_SUBJECT_DRY_CALIBRATION 220
#define IDS_SUBJECT_COEFFICIENT 221
#define IDS_SUBJECT_DRY_ANALYSIS 222
#define IDS_SUBJECT_SAMPLE 223

// Why the water value could not be computed or stands on an incomplete set.
#define IDS_SOLVENT_MASS1 224
#define IDS_SOLVENT_MASS2 225
#define IDS_SOLVENT_MASS3 226
#define IDS_SOLVENT_MASS4 227
#define IDS_PORTION_MASS 228
#define IDS_SAMPLE_MASS 229
#define IDS_INCOMPLETE_TWO 230
#define IDS_INCOMPLETE_AT_LEAST_TWO 231
#define IDS_ROLE_NOT_MATCHED 232
#define IDS_STOPPED 233
#define IDS_NO_WATER 234
#define IDS_LEVEL_NOT_ABOVE_BLANK 235
#define IDS_SAMPLE_NOT_ABOVE_BLANK 236
#define IDS_WATER_NOT_COMPUTED 237
// The verdict lines of the default style sheet, which holds them in its own text; its test compares them here.
#define IDS_VERDICT_PASSED 238
#define IDS_VERDICT_FAILED 239
#define IDS_VERDICT_INCOMPLETE 240

// Reading chromatograms and keeping the list.
#define IDS_FILE_NOT_LOADED 300
#define IDS_DATABASE_NOT_FOUND 301
#define IDS_DATABASE_NOT_READ 302
#define IDS_DATABASE_NOT_OPENED 303
#define IDS_ASSAY_OUT_OF_MEMORY 304
#define IDS_ASSAY_NUMBER 305
#define IDS_ASSAYS_UNREAD 306
#define IDS_AND_MORE 307
#define IDS_MORE_FILES 308
#define IDS_LIST_NOT_SAVED 309
#define IDS_LIST_PARTLY_SAVED 310

// The main dialog and the commands of every window.
#define IDS_ABOUT_MENU 400
#define IDS_COLUMN_NUMBER 401
#define IDS_COLUMN_FILE 402
#define IDS_COLUMN_SAMPLE 403
#define IDS_COLUMN_TIME 404
#define IDS_COLUMN_ROLE 405
#define IDS_COLUMN_METHOD 406
#define IDS_DIALOG_NOT_OPENED 407
#define IDS_NOT_A_NUMBER 408
#define IDS_COMMAND_OUT_OF_MEMORY 409
#define IDS_COMMAND_FAILED_WITH 410
#define IDS_COMMAND_FAILED_UNEXPECTEDLY 411
#define IDS_COMMAND_FAILED 412
#define IDS_RESULT_OUT_OF_DATE 413

// The report.
#define IDS_NO_PUBLIC_DOCUMENTS 500
#define IDS_REPORT_FAILED 501
#define IDS_DOM_UNAVAILABLE 502
#define IDS_REPORT_DATA_FAILED 503
#define IDS_NO_TEMPORARY_FILE 504
#define IDS_COM_NOT_READY 505
#define IDS_STYLE_SHEET_NOT_LOADED 506
#define IDS_STYLE_SHEET_REFUSED 507
#define IDS_REFUSAL_DOCTYPE 508
#define IDS_REFUSAL_SCRIPT 509
#define IDS_REFUSAL_IMPORT 510
#define IDS_REFUSAL_DOCUMENT 511
#define IDS_TRANSFORM_FAILED 512
#define IDS_TRANSFORM_EMPTY 513
#define IDS_REPORT_NOT_SAVED 514
#define IDS_OUT_OF_MEMORY 515
#define IDS_UNEXPECTED_ERROR 516
#define IDS_REPORT_NOT_OPENED 517
#define IDS_REFUSAL_XSLT_ELEMENT 518
#define IDS_REFUSAL_EXTENSION 519

// recalc --verify.
#define IDS_VERIFY_UNREADABLE 600
#define IDS_VERIFY_NO_EXACT 601
