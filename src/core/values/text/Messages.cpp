#include "core/values/text/Messages.h"

#include <cstddef>

namespace ferrovane::text {

namespace {

// The Japanese column is the program's own wording, byte for byte; the English one is its
// translation.
constexpr MessageTexts Table[] = {
    // File errors: reasons, fields and sections
    {MessageId::ReasonNotShiftJis, "Shift_JIS として読めない文字があります。",
     "Some characters cannot be read as Shift_JIS."},
    {MessageId::ReasonNoFileName, "ファイル名が指定されていません。", "No file name was given."},
    {MessageId::ReasonNoFolder, "保存先のフォルダーがありません。",
     "The folder to save in does not exist."},
    {MessageId::ReasonNoImage, "保存する画像がありません。", "There is no image to save."},
    {MessageId::ReasonNoPages, "書き出すページを作れませんでした。",
     "The pages to export could not be made."},
    {MessageId::ReasonImageNotEncoded, "画像を変換できませんでした。",
     "The image could not be converted."},
    {MessageId::FieldLayoutWidth, "レイアウトの幅", "layout width"},
    {MessageId::FieldLayoutHeight, "レイアウトの高さ", "layout height"},
    {MessageId::FieldSectionHeading, "欄の見出し", "section heading"},
    {MessageId::SectionStraights, "直線レール", "straight rails"},
    {MessageId::SectionCurves, "曲線レール", "curved rails"},
    {MessageId::SectionPoints, "ポイント", "points"},
    {MessageId::SectionCurvedPoints, "曲線ポイント", "curved points"},
    {MessageId::SectionOldStraights, "旧形式の直線レール", "old-format straight rails"},
    {MessageId::SectionOldCurves, "旧形式の曲線レール", "old-format curved rails"},
    {MessageId::SectionOldPoints, "旧形式のポイント", "old-format points"},
    {MessageId::SectionOldCurvedPoints, "旧形式の曲線ポイント", "old-format curved points"},
    {MessageId::SectionRailBoxes, "レールボックス", "rail boxes"},

    // Tool box
    {MessageId::HoverDegree, "角度が表示されます。下のスクロールで変更できます。",
     "Shows the angle. Change it with the scroll bar below."},
    {MessageId::HoverDegree2,
     "角度が表示されます。曲線レールの場合は、ここをクリックすることで変更できます。",
     "Shows the angle. For a curved rail, click here to change it."},
    {MessageId::HoverLength2, "長さが表示されます", "Shows the length"},
    {MessageId::HoverRadian2, "半径が表示されます", "Shows the radius"},
    {MessageId::HoverSetDegree, "下のスクロールで角度を選択します",
     "Choose the angle with the scroll bar below"},
    {MessageId::HoverRailList, "レール/項目を選択します。", "Choose a rail or an item."},
    {MessageId::HoverRailAbout, "レール情報が表示されます", "Shows the rail's details"},
    {MessageId::TypedAngleOpenText, "角度を記入してクリックしてください。スペースで設置場所変更。",
     "Type an angle and click. Space changes where the rail goes."},
    {MessageId::TypedAngleCancelText, "キャンセル", "Cancel"},

    // Start-up, shutdown and recovery
    {MessageId::UpgradeNoticeTitle, "新バージョンでの変更点", "What's new in this version"},
    {MessageId::ShutdownQuestionTitle, "質問", "Question"},
    {MessageId::RecoveryQuestionText,
     "前回、正常に終了しなかったときの編集内容が残っています。復元しますか?",
     "Edits from a session that did not end normally are left. Restore them?"},
    {MessageId::RecoveryTitle, "復元", "Restore"},
    {MessageId::DamagedAutosaveText, "自動保存された編集内容が壊れているため、復元できません。",
     "The automatically saved edits are damaged and cannot be restored."},

    // Flexible rail tool
    {MessageId::FlexStep1Text, "まず、フレキシブルレールの始点を指定して下さい。",
     "First, choose the start of the flexible rail."},
    {MessageId::FlexStep2Text, "次に、フレキシブルレールの終点を指定して下さい。",
     "Next, choose the end of the flexible rail."},
    {MessageId::FlexStep3Text, "準備は整いました。コントロールポイントを指定してください。",
     "Ready. Now set the control points."},
    {MessageId::FlexStartHandleHoverText, "ドラッグして始点コントロールポイントを移動できます",
     "Drag to move the start control point"},
    {MessageId::FlexEndHandleHoverText, "ドラッグして終点コントロールポイントを移動できます",
     "Drag to move the end control point"},
    {MessageId::FlexStartHandleDragText, "始点コントロールを移動して下さい",
     "Move the start control point"},
    {MessageId::FlexEndHandleDragText, "終点コントロールを移動して下さい",
     "Move the end control point"},

    // Gap closer
    {MessageId::CloseGapFirstText,
     "すき間を埋める: 1つ目のつながっていない端を選んで下さい (Escで中止)",
     "Close a gap: choose the first free end (Esc cancels)"},
    {MessageId::CloseGapSecondText,
     "すき間を埋める: 2つ目のつながっていない端を選んで下さい (Escで中止)",
     "Close a gap: choose the second free end (Esc cancels)"},
    {MessageId::CloseGapChooseText, "埋め方を選んで「敷設」を押して下さい。",
     "Choose a way to close it and press \"Lay\"."},
    {MessageId::CloseGapNoneText,
     "合うレールの組み合わせがありません。フレキシブルレールで結べます。",
     "No combination of rails fits. A flexible rail can join the ends."},

    // About
    {MessageId::AboutTitle, "バージョン情報", "About"},
    {MessageId::CopyAboutCaption, "情報をコピー(&C)", "&Copy details"},

    // Documents
    {MessageId::SaveQuestionText, "現在のレイアウトは保存されていません。保存しますか。",
     "The current layout has not been saved. Save it?"},
    {MessageId::LayoutFilter, "Ferrovaneファイル(*.fvl)|*.fvl|全てのファイル(*.*)|*.*",
     "Ferrovane files (*.fvl)|*.fvl|All files (*.*)|*.*"},
    {MessageId::CatalogueFilter, "レール情報定義ファイル(*.rtr)|*.rtr|全てのファイル(*.*)|*.*",
     "Rail catalogue files (*.rtr)|*.rtr|All files (*.*)|*.*"},
    {MessageId::OpenLayoutTitle, "レイアウトファイルを開く", "Open layout file"},
    {MessageId::SaveLayoutTitle, "レイアウトファイルを保存", "Save layout file"},
    {MessageId::OpenCatalogueTitle, "レール情報定義ファイルを開く", "Open rail catalogue file"},
    {MessageId::UntitledLayoutName, "新規作成.fvl", "Untitled.fvl"},
    {MessageId::WelcomeTitle, "レール情報定義ファイルを指定します",
     "Choose the rail catalogue file"},
    {MessageId::WelcomeText,
     "ようこそFerrovaneへ!\r\nはじめに、お手持ちのレールに対応する定義ファイルを選択してください。",
     "Welcome to Ferrovane!\r\nFirst, choose the catalogue file for the rails you have."},

    // Printing and the parts list
    {MessageId::TextsWarningTitle, "フォントの問題 - Ferrovane", "Font problem - Ferrovane"},
    {MessageId::TextsWarning,
     "文字が含まれています。文字はフォントによって適切な位置に印刷されるとは限りません。\r\nまた、"
     "現時点では多少小さめに印刷されます",
     "The layout contains texts. Depending on the font, texts may not print in exactly the right "
     "place.\r\nThey also print somewhat smaller for now"},
    {MessageId::PrinterFailureTitle, "プリンタドライバの問題", "Printer driver problem"},
    {MessageId::PrinterFailure,
     "ある項目がプリンタに送信できませんでした。印刷結果が不良な場合もあります。",
     "Some items could not be sent to the printer. The printout may be faulty."},
    {MessageId::PartsTextFilter, "テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*",
     "Text files (*.txt)|*.txt|All files (*.*)|*.*"},
    {MessageId::PartsCsvFilter, "CSVファイル(*.csv)|*.csv|全てのファイル(*.*)|*.*",
     "CSV files (*.csv)|*.csv|All files (*.*)|*.*"},
    {MessageId::PartsTextTitle, "総レール数をテキストで保存", "Save parts list as text"},
    {MessageId::PartsCsvTitle, "総レール数をCSVで保存", "Save parts list as CSV"},
    {MessageId::PartsSaveFailedText, "総レール数のファイルを保存できませんでした。",
     "The parts list file could not be saved."},

    // Layout size, moving, zoom
    {MessageId::LayoutSizeTitle, "レイアウトサイズの設定", "Layout size"},
    {MessageId::LayoutSizeRangeText,
     "レイアウトの幅と高さには 0 から 30000 までの整数を指定して下さい。",
     "Give the layout's width and height as whole numbers from 0 to 30000."},
    {MessageId::MoveAllTitle, "全体移動", "Move everything"},
    {MessageId::MoveOffsetText, "移動量には数値を指定して下さい。",
     "Give the distance to move as numbers."},
    {MessageId::ZoomRangeText, "倍率は 10 から 100 までの整数で入力してください。",
     "Enter the zoom as a whole number from 10 to 100."},

    // Board and editing
    {MessageId::NoRailBoxesText, "レール箱にはレールがありません。",
     "There are no rails in the rail box."},
    {MessageId::RedoCaption, "やり直し(&R)", "&Redo"},
    {MessageId::RedoStatusText, "取り消した操作をやり直します", "Redoes the undone operation"},
    {MessageId::RulerHint, "測定したい2点間をドラッグして下さい",
     "Drag between the two points to measure"},
    {MessageId::UndoDisabledCaption, "元に戻せません", "Can't undo"},
    {MessageId::RecolourPickText, "左クリックで選択します。", "Left-click to choose."},
    {MessageId::RecolourHintText, "変更後のレール色を選んで下さい。",
     "Choose the new rail colour."},
    {MessageId::RecolourSelectionText, "複数選択されたレール", "Several selected rails"},
    {MessageId::NoRailChosenText, "レールが選択されていません", "No rail is selected"},
    {MessageId::ElevateHintText, "高架化するレールを選んでください", "Choose the rail to elevate"},
    {MessageId::FlexEndJoinedText, "このレールの端はすでに接続されています。",
     "This end of the rail is already joined."},
    {MessageId::RailBoxEditorTitle, "レール箱編集", "Edit rail boxes"},

    // Options
    {MessageId::EnterNumberText, "数値を入力して下さい。", "Please enter a number."},
    {MessageId::AboveZeroText, "0より大きな数を入力して下さい。",
     "Please enter a number greater than 0."},
    {MessageId::OneOrMoreText, "1以上の数を入力して下さい。",
     "Please enter a number of 1 or more."},
    {MessageId::ZeroOrMoreText, "0以上の数を入力して下さい。",
     "Please enter a number of 0 or more."},

    // Parts list
    {MessageId::OtherPartsTitle, "その他", "Other"},
    {MessageId::FlexibleRailLabel, "フレキシブルレール", "Flexible rail"},
    {MessageId::LabelPartsLabel, "文字", "Texts"},

    // Placing rails
    {MessageId::PlaceHint, "左クリックでレールを作成します。", "Left-click to lay the rail."},
    {MessageId::TurnPlaceHint, "右クリックで方向転換, 左クリックでレールを作成します。",
     "Right-click to turn, left-click to lay the rail."},
    {MessageId::BoxHint, "右クリックで方向転換, 左クリックでレール箱から作成します",
     "Right-click to turn, left-click to lay from the rail box"},

    // Error numbers and the places and reasons of file errors
    {MessageId::ErrorOverflow, "オーバーフローしました。", "Overflow."},
    {MessageId::ErrorTypeMismatch, "型が一致しません。", "Type mismatch."},
    {MessageId::ErrorFileNotFound, "ファイルが見つかりません。", "File not found."},
    {MessageId::ErrorDiskFull, "ディスクの空き容量が不足しています。",
     "Not enough free disk space."},
    {MessageId::ErrorInputPastEnd, "ファイルにこれ以上データがありません。",
     "The file ends before its data does."},
    {MessageId::ErrorPathAccess, "パス名が無効です。", "The path name is not valid."},
    {MessageId::ErrorApplication, "アプリケーション定義またはオブジェクト定義のエラーです。",
     "Application-defined or object-defined error."},
    {MessageId::LinePlace, "{1} 行目", "line {1}"},
    {MessageId::LineFieldPlace, "{1} 行目 {2}", "line {1}, {2}"},
    {MessageId::RecordItemPlace, "{1} 行目 レール {2} の {3} 番目の項目",
     "line {1}, rail {2}, item {3}"},
    {MessageId::SectionPlace, "{1} 行目 {2}の欄", "line {1}, {2} section"},
    {MessageId::ReasonRecordTooShort, "{1} 項目のうち {2} 項目しかありません。",
     "Only {2} of {1} items."},
    {MessageId::ReasonRecordTooLong, "項目が {1} より多くあります。", "More than {1} items."},
    {MessageId::ReasonTooManyRails, "レールは {1} 本までです。",
     "A layout holds at most {1} rails."},
    {MessageId::ReasonTooManyEntries,
     "{1}が {2} 件あります。レール情報ファイルに書き込めるのは {3} 件までです。",
     "There are {2} {1}; a catalogue file holds at most {3}."},
    {MessageId::ReasonWriteDenied, "書き込みが禁止されています。", "Writing is not permitted."},
    {MessageId::ReasonReadDenied, "読み取りが禁止されています。", "Reading is not permitted."},
    {MessageId::ReasonReadOnlyDrive, "書き込みが禁止されたドライブです。",
     "The drive is write-protected."},
    {MessageId::ReasonIsFolder, "フォルダーです。", "It is a folder."},
    {MessageId::ReasonNoSuchFile, "ファイルまたはフォルダーがありません。",
     "No such file or folder."},
    {MessageId::ReasonNotFolder, "途中にフォルダーではないものがあります。",
     "Part of the path is not a folder."},
    {MessageId::ReasonFileExists, "同じ名前のファイルが既にあります。",
     "A file of that name already exists."},
    {MessageId::ReasonLinkLoop, "シンボリック リンクが循環しています。",
     "The symbolic links go round in a loop."},
    {MessageId::ReasonNameTooLong, "ファイル名が長すぎます。", "The file name is too long."},
    {MessageId::ReasonDeviceError, "装置の読み書きに失敗しました。",
     "The device could not be read or written."},
    {MessageId::ReasonSystemError, "システム エラーです (番号 {1})。",
     "System error (number {1})."},

    // Internal errors and number fields
    {MessageId::InternalErrorText,
     "内部エラーが発生しました。場所:{1}\r作者に連絡してください。連絡先 : {2}",
     "An internal error occurred. Where: {1}\rPlease contact the author: {2}"},
    {MessageId::InternalErrorTitle, "Ferrovane内部エラー", "Ferrovane internal error"},
    {MessageId::EnterNumberAlert, "数値を代入して下さい!", "Please enter a number!"},
    {MessageId::AboveZeroAlert, "0より上の数値を代入して下さい!!",
     "Please enter a number above 0!!"},

    // Design check and gap readouts
    {MessageId::GapReadout, "すき間 {1} / 角度差 {2}°", "Gap {1} / angle off {2}°"},
    {MessageId::FindingOpenEnd, "開いた端", "Open end"},
    {MessageId::FindingStrained, "無理な接続", "Strained joint"},
    {MessageId::FindingNearMiss, "つながっていない端", "Unjoined ends"},
    {MessageId::FindingOverlap, "重なり", "Overlap"},
    {MessageId::FindingDuplicate, "重複", "Duplicate"},

    // Layout information
    {MessageId::LayoutExtentLine, "{1} x {2}  (設定サイズ : {3} x {4})",
     "{1} x {2}  (set size: {3} x {4})"},
    {MessageId::CountPieces, "{1}本", "{1}"},
    {MessageId::CountItems, "{1}個", "{1}"},
    {MessageId::CountPlaces, "{1}箇所", "{1}"},
    {MessageId::CountRailBoxes, "{1}個 ({2}本)", "{1} ({2} pieces)"},
    {MessageId::InfoLayoutFile, "レイアウトファイル", "Layout file"},
    {MessageId::InfoCatalogueFile, "レール情報定義ファイル", "Rail catalogue file"},
    {MessageId::InfoNotSaved, "(未保存)", "(not saved)"},
    {MessageId::InfoNone, "(なし)", "(none)"},
    {MessageId::InfoRailExtent, "レールの範囲", "Extent of the rails"},
    {MessageId::InfoRailCount, "レール数", "Rails"},
    {MessageId::InfoStraights, "ストレートレール", "Straight rails"},
    {MessageId::InfoCurves, "カーブレール", "Curved rails"},
    {MessageId::InfoPoints, "ポイントレール", "Points"},
    {MessageId::InfoFlexibles, "フレキシブルレール", "Flexible rails"},
    {MessageId::InfoRailBoxes, "レール箱", "Rail boxes"},
    {MessageId::InfoLabels, "文字", "Texts"},
    {MessageId::InfoOpenEnds, "つながっていない端", "Unjoined ends"},
    {MessageId::InfoTrackLength, "線路の総延長", "Total track length"},

    // Parts list
    {MessageId::PartsCounterWord, "本", "pcs"},
    {MessageId::PartsStraights, "ストレートレール", "Straight rails"},
    {MessageId::PartsCurves, "カーブレール", "Curved rails"},
    {MessageId::PartsPoints, "ポイントレール", "Points"},
    {MessageId::PartsRailBoxes, "レール箱レール", "Rail box rails"},
    {MessageId::PartsTotal, "総レール数 : {1} 本", "Total rails : {1} pcs"},
    {MessageId::PartsCsvSection, "区分", "Section"},
    {MessageId::PartsCsvName, "名称", "Name"},
    {MessageId::PartsCsvCount, "数量", "Count"},

    // Image export
    {MessageId::ImageExportFilter,
     "ビットマップファイル(*.bmp)|*.bmp|JPEGファイル(*.jpg)|*.jpg|PNGファイル(*.png)|*.png|"
     "全てのファイル(*.*)|*.*",
     "Bitmap files (*.bmp)|*.bmp|JPEG files (*.jpg)|*.jpg|PNG files (*.png)|*.png|All files "
     "(*.*)|*.*"},
    {MessageId::ImageExportTitle, "レイアウトファイルを保存", "Save layout file"},
    {MessageId::ImageExportFailedText, "画像を保存できませんでした。",
     "The image could not be saved."},
    {MessageId::ErrorTitle, "エラー", "Error"},

    // Catalogue
    {MessageId::CatalogueReadError,
     "[#2] "
     "レール情報ファイル読込中にエラーが発生しました。旧バージョンからのアップグレードの際は\r「レ"
     "ール情報ファイルの変更」にて新しく添付されているレール情報ファイルを設定し直して下さい。\r\r"
     "エラー番号は {1}。 説明 : {2}",
     "[#2] An error occurred while reading the rail catalogue file. If you have upgraded from an "
     "older version,\rchoose the newly supplied catalogue file again with \"Change rail catalogue "
     "file\".\r\rError number {1}. Description: {2}"},
    {MessageId::RailNameTooLong, "レール名が{1}文字を越えては行けません",
     "A rail name must not be longer than {1} characters"},
    {MessageId::OldFormatNotice,
     "旧形式のレール情報ファイルを読み込みます。後でこのファイルを削除して、新しく添付されているフ"
     "ァイルを使用することをお薦めします。",
     "Reading an old-format rail catalogue file. It is best to delete this file later and use the "
     "newly supplied one."},
    {MessageId::InvalidPoints, "レール情報が不正です。セーブを行いません。",
     "The rail catalogue is not valid. It will not be saved."},
    {MessageId::CatalogueWriteError,
     "[#3] レール情報ファイル書込中にエラーが発生しました。 エラー番号は {1}。\r\n説明 : {2}",
     "[#3] An error occurred while writing the rail catalogue file. Error number "
     "{1}.\r\nDescription: {2}"},
    {MessageId::ConfirmDeleteRail, "本当に削除しても良いですか?", "Really delete it?"},
    {MessageId::DeleteRailTitle, "レール削除", "Delete rail"},
    {MessageId::RenameRTypeQuestion, "｢{1}｣ に対応する新しいレール名を記入して下さい",
     "Type the new rail name for \"{1}\""},
    {MessageId::RenameRailTitle, "レール名の変更", "Rename rail"},
    {MessageId::AutoColourQuestion, "現在のレール色情報が消去されます。続行しますか?",
     "The current rail colours will be cleared. Continue?"},
    {MessageId::AutoColourTitle, "レール色自動設定", "Set rail colours automatically"},
    {MessageId::ApplyColoursQuestion, "現在のレイアウトのレール色が変更されます。続行しますか?",
     "The rail colours of the current layout will change. Continue?"},
    {MessageId::ApplyColoursTitle, "レール色反映", "Apply rail colours"},
    {MessageId::DiscardChangesQuestion, "変更を放棄しますか?", "Discard the changes?"},
    {MessageId::ConfirmTitle, "確認", "Confirm"},
    {MessageId::AngleDegrees, "{1} 度", "{1}°"},

    // Typed angle
    {MessageId::AngleFlexEndStatus, "{1}度で選択されたフレキシブルレールの端を指定します。",
     "Chooses the end of the flexible rail at {1}°."},
    {MessageId::AnglePlaceStatus, "{1}度で選択されたレールを作成します。",
     "Lays the chosen rail at {1}°."},
    {MessageId::AnglePlaceTurnStatus, "{1}度で選択されたレールを作成します。右クリックで方向転換",
     "Lays the chosen rail at {1}°. Right-click to turn"},
    {MessageId::AnglePlaceBoxStatus,
     "{1}度で選択されたレールを作成します。右クリックで接続場所変更",
     "Lays the chosen rail at {1}°. Right-click to change the joining end"},
    {MessageId::TypedAngleDegrees, "{1}度", "{1}°"},

    // Rail details
    {MessageId::AboutLabelText, "文字列:", "Text: "},
    {MessageId::AboutFontSize, "フォントサイズ: ", "Font size: "},
    {MessageId::AboutFontName, "フォント名: ", "Font name: "},
    {MessageId::AboutName, "名前      : ", "Name       : "},
    {MessageId::AboutLength, "長さ      : ", "Length     : "},
    {MessageId::AboutRadius, "半径      : ", "Radius     : "},
    {MessageId::AboutAngle, "角度      : ", "Angle      : "},
    {MessageId::AboutAngleStart, "傾き(始点): ", "Dir (start): "},
    {MessageId::AboutAngleEnd, "傾き(終点): ", "Dir (end)  : "},
    {MessageId::AboutCentre, "中心位置  : ", "Centre     : "},
    {MessageId::AboutEnd1, "端位置(1) : ", "End (1)    : "},
    {MessageId::AboutEnd2, "端位置(2) : ", "End (2)    : "},
    {MessageId::AboutNext1, "隣番号(1) : ", "Next (1)   : "},
    {MessageId::AboutNext2, "隣番号(2) : ", "Next (2)   : "},
    {MessageId::AboutNoNeighbour, "なし", "none"},

    // Tool box buttons
    {MessageId::ButtonStraight, "直線レールを作成します", "Lays straight rails"},
    {MessageId::ButtonCurve, "曲線レールを作成します", "Lays curved rails"},
    {MessageId::ButtonPoint, "ポイントレールを作成します", "Lays points"},
    {MessageId::ButtonFlexible, "フレキシブルレールを作成します", "Lays flexible rails"},
    {MessageId::ButtonObject, "オブジェクトを作成します", "Creates objects"},
    {MessageId::ButtonRailBox, "レール箱から作成します", "Lays from a rail box"},
    {MessageId::ButtonAbout, "レール情報を表示/非表示します", "Shows or hides the rail's details"},
    {MessageId::ButtonUpper, "高架レールの設定/解除をします", "Sets or clears elevated rails"},
    {MessageId::ButtonSize, "ツールボックスを大型化/小型化します",
     "Makes the tool box larger or smaller"},
    {MessageId::ButtonExecute, "フレキシブルレール/オブジェクトを作成します",
     "Creates the flexible rail or object"},
    {MessageId::ButtonZoom, "倍率を変更します", "Changes the zoom"},
    {MessageId::ButtonArrow, "レールを範囲選択します", "Selects rails in an area"},
    {MessageId::ButtonRuler, "2点間の距離を測ります", "Measures the distance between two points"},

    // Board, rail list and status line
    {MessageId::StatusLineHover, "各種の情報が表示されます", "Shows information of all kinds"},
    {MessageId::ListFlexibleRail, "フレキシブルレール", "Flexible rail"},
    {MessageId::ListInsertText, "文字の挿入", "Insert text"},
    {MessageId::ListElevate, "レールの高架", "Elevate rails"},
    {MessageId::ListDelete, "レールや文字の削除", "Delete rails or texts"},
    {MessageId::PointRightHand, "右向き", "right-hand"},
    {MessageId::PointLeftHand, "左向き", "left-hand"},

    // Start-up and recovery
    {MessageId::UpgradeNoticeText,
     "旧バージョンのユーザーへ : \r 新しいFerrovaneではRTRファイル形式が変更になりました。\r "
     "また、インポートを使って以前のバージョンのファイルを読み込んでください。",
     "To users of earlier versions:\r The RTR file format has changed in the new Ferrovane.\r "
     "Please read files of earlier versions with Import."},
    {MessageId::UnsavedLayoutName, "(未保存のレイアウト)", "(unsaved layout)"},
    {MessageId::RecoveryDetails, "\r\n\r\n保存日時 : {1}\r\nファイル : {2}",
     "\r\n\r\nSaved at: {1}\r\nFile: {2}"},
    {MessageId::FlexRailFailed, "フレキシブルレールを作成できませんでした。",
     "The flexible rail could not be laid."},
    {MessageId::RecolourRailName, "レール名 : ", "Rail name: "},

    // About
    {MessageId::AboutSystem, "システム : {1}", "System: {1}"},
    {MessageId::AboutKernel, "カーネル : {1}", "Kernel: {1}"},
    {MessageId::AboutMail, "メール : {1}", "Mail: {1}"},
    {MessageId::LanguageAuto, "自動", "Automatic"},

    // Editing
    {MessageId::SeveralSelected, " - レールが複数選択されています ({1}個)",
     " - {1} rails selected"},
    {MessageId::RecolourSelectionQuestion, "選択レールを一括変換しますか?",
     "Change all the selected rails at once?"},
    {MessageId::RecolourTitle, "レール色の変更", "Change rail colour"},
    {MessageId::DeleteTitle, "削除", "Delete"},
    {MessageId::DeleteSelectionToo, "現在複数選択されているレールも削除しますか?",
     "Delete the other selected rails as well?"},
    {MessageId::DeleteSelection, "現在複数選択されているレールを削除しますか?",
     "Delete the selected rails?"},
    {MessageId::MoveOutOfRange,
     "移動後にレールがレイアウトの範囲(-30000〜60000)を超えるため、移動できません。",
     "The rails cannot be moved: they would leave the layout's range (-30000 to 60000)."},
    {MessageId::WarningTitle, "警告", "Warning"},
    {MessageId::ElevateOneByOne, "選択を解除します。一つずつ高架化して下さい。",
     "The selection will be cleared. Elevate the rails one at a time."},
    {MessageId::ElevateTitle, "レールの高架化", "Elevate rails"},
    {MessageId::ElevatedNameHint, "高架化後のレール名を選んで下さい",
     "Choose the rail name for the elevated rail"},
    {MessageId::RenameBoxTitle, "レール箱名の変更", "Rename rail box"},
    {MessageId::RenameBoxPrompt,
     "新しいレール箱名を記入して下さい :", "Type the new rail box name:"},
    {MessageId::RenameRailPrompt, "新しいレール名を記入して下さい :", "Type the new rail name:"},
    {MessageId::RenameLabelTitle, "文字の変更", "Change text"},
    {MessageId::RenameLabelPrompt, "新しい文字列を指定して下さい :", "Type the new text:"},

    // Layout files
    {MessageId::FileNotFound, "ファイルが見つかりません。", "File not found."},
    {MessageId::BadVersion, "不正なバージョンのファイルです。", "The file's version is not valid."},
    {MessageId::LayoutFileError, "[#{1}] エラーが発生しました。 エラー番号は {2}。\r説明 : {3}",
     "[#{1}] An error occurred. Error number {2}.\rDescription: {3}"},
    {MessageId::SaveQuestionTitle, "Ferrovane - 確認", "Ferrovane - Confirm"},

    // Undo
    {MessageId::UndoDelete, "削除", "Delete"},
    {MessageId::UndoRename, "レール名変更", "Rename rail"},
    {MessageId::UndoPlace, "レール設置", "Lay rail"},
    {MessageId::UndoRecolour, "レール色変更", "Change rail colour"},
    {MessageId::UndoElevate, "高架化", "Elevate"},
    {MessageId::UndoMoveAll, "全体移動", "Move everything"},
    {MessageId::UndoLayoutSize, "レイアウトサイズ変更", "Change layout size"},
    {MessageId::UndoSelect, "レール選択", "Select rails"},
    {MessageId::UndoJoin, "レール接続", "Join rails"},
    {MessageId::UndoCaption, "元に戻す - {1}", "Undo - {1}"},

    // Screen
    {MessageId::AutoScrollReadyText, "左ボタンを押し下げるとオートスクロール始めます。",
     "Hold down the left button to start scrolling automatically."},
    {MessageId::AutoScrollRunningText, "左ボタンを離すとオートスクロールが止まります",
     "Release the left button to stop scrolling"},
    {MessageId::BackScreenTooLargeText,
     "バックサイズが大きすぎてメモリに入りきれません。\r\nレイアウトサイズを小さくするか、ズームを"
     "下げてください",
     "The back screen is too large to fit in memory.\r\nMake the layout smaller or lower the zoom"},
    {MessageId::ImageTooLargeDetails, "画像 {1} × {2} ピクセル、上限 {3} MB ({4} ピクセル)",
     "Image {1} × {2} pixels, limit {3} MB ({4} pixels)"},

    // Printing and exporting
    {MessageId::WholeOnOnePage, "全体を1ページに (1:{1})", "Whole layout on one page (1:{1})"},
    {MessageId::PdfExportTitle, "PDFに書き出す", "Export to PDF"},
    {MessageId::SvgExportTitle, "SVGに書き出す", "Export to SVG"},
    {MessageId::PdfFilter, "PDF ファイル (*.pdf)|*.pdf", "PDF files (*.pdf)|*.pdf"},
    {MessageId::SvgFilter, "SVG ファイル (*.svg)|*.svg", "SVG files (*.svg)|*.svg"},
    {MessageId::ExportFailed, "ファイルに書き出せませんでした。", "The file could not be written."},
    {MessageId::PartsFileName, "総レール数", "Parts list"},

    // Placing rails
    {MessageId::EndFoundNote,
     "[{1}] 他のレールの端が見つかりました。(No.{2}) \rレールどうしを接続します。",
     "[{1}] Found the end of another rail. (No.{2}) \rThe rails will be joined."},
    {MessageId::RailLimitReached, "レールの数が上限に達しました。これ以上レールを置けません。",
     "The number of rails has reached its limit. No more rails can be laid."},
    {MessageId::ClipBoxEmpty, "クリップレールが空です。", "The clipboard rail box is empty."},
    {MessageId::FlexUserPoint, "ユーザー指定 : ({1},{2})", "Chosen point: ({1},{2})"},

    // Rail box and catalogue editors
    {MessageId::RailBoxNamePrompt,
     "新しいレール箱名を記入して下さい :", "Type the new rail box name:"},
    {MessageId::RailBoxNameEmpty, "レール箱名を記入して下さい。", "Please type a rail box name."},
    {MessageId::RailBoxNameTooLong, "レール箱名は{1}字以内にして下さい。",
     "A rail box name can be at most {1} characters long."},
    {MessageId::RailBoxNameQuote, "レール箱名に \" は使えません。",
     "A rail box name cannot contain \"."},
    {MessageId::RailBoxNameClip, "「{1}」は切り取りとコピーが使う名前です。",
     "\"{1}\" is the name cut and copy use."},
    {MessageId::RailBoxNameTaken, "「{1}」という名前のレール箱はすでにあります。",
     "There is already a rail box called \"{1}\"."},
    {MessageId::DeleteRailBoxQuestion, "レール箱「{1}」を削除しますか?",
     "Delete the rail box \"{1}\"?"},
    {MessageId::RailBoxNeedsTrack, "レール箱にする直線レールや曲線レールを選択して下さい。",
     "Select the straight or curved rails to make into a rail box."},
    {MessageId::SaveChangesQuestion, "変更を保存しますか?", "Save the changes?"},
    {MessageId::CatalogueEditorTitle, "レールの編集", "Edit rails"},
};

constexpr bool InIdentifierOrder() {
    for (std::size_t i = 0; i < std::size(Table); ++i)
        if (static_cast<std::size_t>(Table[i].Id) != i) return false;
    return true;
}
static_assert(InIdentifierOrder(), "the message table follows the order of MessageId");

} // namespace

std::span<const MessageTexts> MessageTable() {
    return Table;
}

const char* Msg(MessageId id, Language language) {
    const MessageTexts& row = Table[static_cast<std::size_t>(id)];
    return language == Language::English ? row.English : row.Japanese;
}

const char* Msg(MessageId id) {
    return Msg(id, CurrentLanguage());
}

std::string Msg(MessageId id, std::initializer_list<std::string_view> values) {
    return FillPlaceholders(Msg(id), values);
}

std::string FillPlaceholders(std::string_view text,
                             std::initializer_list<std::string_view> values) {
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder = text[i] == '{' && i + 2 < text.size() && text[i + 1] >= '1' &&
                                 text[i + 1] <= '9' && text[i + 2] == '}';
        const std::size_t n = placeholder ? static_cast<std::size_t>(text[i + 1] - '1') : 0;
        if (placeholder && n < values.size()) {
            filled += values.begin()[n];
            i += 2;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

} // namespace ferrovane::text
