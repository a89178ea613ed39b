#pragma once
// Ids of the added string tables (assets/strings/added-*.txt): the
// program's own messages beyond those of the interface tables, the names of
// the record fields that those messages quote, and the names a screen reader
// reads for controls that show no caption of their own. Texts with "%1",
// "%2", ... are filled in by StringService::fillIn.
namespace velvara::i18n::added {

// Messages.
inline constexpr int kNeedsColumnsAndRows = 1000;    // %1 columns, %2 rows
inline constexpr int kSettingNotWholeNumber = 1001;  // %1 setting, %2 largest value, %3 text
inline constexpr int kTitleAlignment = 1002;         // %1 text
inline constexpr int kFolderIsLink = 1003;           // %1 folder
inline constexpr int kFileInEmptiedFolder = 1004;    // %1 file, %2 folder
inline constexpr int kPackageFileMissing = 1005;     // %1 file, %2 package
inline constexpr int kImageFieldTooLong = 1006;      // %1 image number, %2 file name, %3 field
inline constexpr int kSettingTooLong = 1007;         // %1 setting

// Messages of the files the program keeps and writes.
inline constexpr int kProjectFileInEmptiedFolder = 1008;  // %1 project file, %2 folder
inline constexpr int kDataFolderEmptied = 1009;           // %1 data folder
inline constexpr int kImageFieldLineBreak = 1010;         // %1 image number, %2 file name, %3 field
inline constexpr int kReplaceFile = 1011;                 // %1 file

// Messages of adding images.
inline constexpr int kNameNotUtf8 = 1013;       // %1 path
inline constexpr int kNamesNotUtf8 = 1014;      // %1 number of paths; the paths follow, one a line
inline constexpr int kMoreNamesNotUtf8 = 1015;  // %1 number of paths not shown

// Fields of an image record, as kImageFieldTooLong names them.
inline constexpr int kFieldSourceFile = 1020;
inline constexpr int kFieldTitle = 1021;
inline constexpr int kFieldTooltip = 1022;
inline constexpr int kFieldLink = 1023;
inline constexpr int kFieldLinkText = 1024;
inline constexpr int kFieldOutputName = 1025;
inline constexpr int kFieldReserved = 1026;  // %1 number

// Settings, as kSettingNotWholeNumber and kSettingTooLong name them; the
// reserved texts of the record are kFieldReserved.
inline constexpr int kSettingDefaultLinkText = 1040;
inline constexpr int kSettingPageFontFamily = 1041;
inline constexpr int kSettingPageBackColor = 1042;
inline constexpr int kSettingCellWidth = 1043;
inline constexpr int kSettingCellHeight = 1044;
inline constexpr int kSettingCellBorderWidth = 1045;
inline constexpr int kSettingCellBorderColors = 1046;
inline constexpr int kSettingCellBackColor = 1047;
inline constexpr int kSettingThumbWidth = 1048;
inline constexpr int kSettingThumbHeight = 1049;
inline constexpr int kSettingThumbBorderColor = 1050;
inline constexpr int kSettingThumbBorderWidth = 1051;
inline constexpr int kSettingTitleFontName = 1052;
inline constexpr int kSettingTitleFontSize = 1053;
inline constexpr int kSettingTitleFontWeight = 1054;
inline constexpr int kSettingTitleAlign = 1055;
inline constexpr int kSettingTitleColor = 1056;
inline constexpr int kSettingImageWidth = 1057;
inline constexpr int kSettingImageHeight = 1058;
inline constexpr int kSettingJpegQuality = 1059;
inline constexpr int kSettingWebTitle = 1060;
inline constexpr int kSettingWebTitleFontName = 1061;
inline constexpr int kSettingWebTitleFontSize = 1062;
inline constexpr int kSettingWebTitleColor = 1063;
inline constexpr int kSettingCellSpacing = 1064;
inline constexpr int kSettingCellPadding = 1065;
inline constexpr int kSettingDestFolder = 1066;
inline constexpr int kSettingHomeCaption = 1067;
inline constexpr int kSettingHomeUrl = 1068;
inline constexpr int kSettingBaseUrl = 1069;
inline constexpr int kSettingPageBackImage = 1070;
inline constexpr int kSettingCellBackImage = 1071;
inline constexpr int kSettingLightboxStyle = 1072;

// Names a screen reader reads for controls that show no caption, or whose
// caption alone does not say what they are. The numeric boxes of the settings
// dialog are named by the settings above.
inline constexpr int kNameThumbnailStrip = 1100;
inline constexpr int kNameThumbnails = 1101;
inline constexpr int kNameScrollUpDown = 1102;
inline constexpr int kNameScrollLeftRight = 1103;
inline constexpr int kNameProgress = 1104;
inline constexpr int kNameImageDetails = 1105;
inline constexpr int kNameImageTexts = 1106;
inline constexpr int kNameImageTools = 1107;
inline constexpr int kNamePleaseWait = 1108;
inline constexpr int kNameLightboxLook = 1110;
inline constexpr int kNameOverlayColor = 1111;
inline constexpr int kNameImageBoxColor = 1112;
inline constexpr int kNameCaptionBackColor = 1113;
inline constexpr int kNameCaptionColor = 1114;
inline constexpr int kNameCaptionFontSize = 1115;
inline constexpr int kNameLightboxPicture = 1116;
inline constexpr int kNameChosenColor = 1117;
inline constexpr int kNameChosenColorValue = 1118;  // %1 colour
inline constexpr int kNameColorValue = 1119;        // %1 colour

}  // namespace velvara::i18n::added
