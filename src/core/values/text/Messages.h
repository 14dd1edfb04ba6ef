#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "core/values/text/Language.h"

namespace ferrovane::text {

// Every text the program shows the user, named by what it says. A new text gets its
// identifier here and its row at the same place in Messages.cpp, which checks the order
// when it compiles. Names stored in files (the user rail, the clipboard box) are data and
// stay out of the table.
enum class MessageId {
    // File errors: reasons, fields and sections
    ReasonNotShiftJis,
    ReasonNoFileName,
    ReasonNoFolder,
    ReasonNoImage,
    ReasonNoPages,
    ReasonImageNotEncoded,
    FieldLayoutWidth,
    FieldLayoutHeight,
    FieldSectionHeading,
    SectionStraights,
    SectionCurves,
    SectionPoints,
    SectionCurvedPoints,
    SectionOldStraights,
    SectionOldCurves,
    SectionOldPoints,
    SectionOldCurvedPoints,
    SectionRailBoxes,

    // Tool box
    HoverDegree,
    HoverDegree2,
    HoverLength2,
    HoverRadian2,
    HoverSetDegree,
    HoverRailList,
    HoverRailAbout,
    TypedAngleOpenText,
    TypedAngleCancelText,

    // Start-up, shutdown and recovery
    UpgradeNoticeTitle,
    ShutdownQuestionTitle,
    RecoveryQuestionText,
    RecoveryTitle,
    DamagedAutosaveText,

    // Flexible rail tool
    FlexStep1Text,
    FlexStep2Text,
    FlexStep3Text,
    FlexStartHandleHoverText,
    FlexEndHandleHoverText,
    FlexStartHandleDragText,
    FlexEndHandleDragText,

    // Gap closer
    CloseGapFirstText,
    CloseGapSecondText,
    CloseGapChooseText,
    CloseGapNoneText,

    // About
    AboutTitle,
    CopyAboutCaption,

    // Documents
    SaveQuestionText,
    LayoutFilter,
    CatalogueFilter,
    OpenLayoutTitle,
    SaveLayoutTitle,
    OpenCatalogueTitle,
    UntitledLayoutName,
    WelcomeTitle,
    WelcomeText,

    // Printing and the parts list
    TextsWarningTitle,
    TextsWarning,
    PrinterFailureTitle,
    PrinterFailure,
    PartsTextFilter,
    PartsCsvFilter,
    PartsTextTitle,
    PartsCsvTitle,
    PartsSaveFailedText,

    // Layout size, moving, zoom
    LayoutSizeTitle,
    LayoutSizeRangeText,
    MoveAllTitle,
    MoveOffsetText,
    ZoomRangeText,

    // Board and editing
    NoRailBoxesText,
    RedoCaption,
    RedoStatusText,
    RulerHint,
    UndoDisabledCaption,
    RecolourPickText,
    RecolourHintText,
    RecolourSelectionText,
    NoRailChosenText,
    ElevateHintText,
    FlexEndJoinedText,
    RailBoxEditorTitle,

    // Options
    EnterNumberText,
    AboveZeroText,
    OneOrMoreText,
    ZeroOrMoreText,

    // Parts list
    OtherPartsTitle,
    FlexibleRailLabel,
    LabelPartsLabel,

    // Placing rails
    PlaceHint,
    TurnPlaceHint,
    BoxHint,

    // Error numbers and the places and reasons of file errors
    ErrorOverflow,
    ErrorTypeMismatch,
    ErrorFileNotFound,
    ErrorDiskFull,
    ErrorInputPastEnd,
    ErrorPathAccess,
    ErrorApplication,
    LinePlace,
    LineFieldPlace,
    RecordItemPlace,
    SectionPlace,
    ReasonRecordTooShort,
    ReasonRecordTooLong,
    ReasonTooManyRails,
    ReasonTooManyEntries,
    ReasonWriteDenied,
    ReasonReadDenied,
    ReasonReadOnlyDrive,
    ReasonIsFolder,
    ReasonNoSuchFile,
    ReasonNotFolder,
    ReasonFileExists,
    ReasonLinkLoop,
    ReasonNameTooLong,
    ReasonDeviceError,
    ReasonSystemError,

    // Internal errors and number fields
    InternalErrorText,
    InternalErrorTitle,
    EnterNumberAlert,
    AboveZeroAlert,

    // Design check and gap readouts
    GapReadout,
    FindingOpenEnd,
    FindingStrained,
    FindingNearMiss,
    FindingOverlap,
    FindingDuplicate,

    // Layout information
    LayoutExtentLine,
    CountPieces,
    CountItems,
    CountPlaces,
    CountRailBoxes,
    InfoLayoutFile,
    InfoCatalogueFile,
    InfoNotSaved,
    InfoNone,
    InfoRailExtent,
    InfoRailCount,
    InfoStraights,
    InfoCurves,
    InfoPoints,
    InfoFlexibles,
    InfoRailBoxes,
    InfoLabels,
    InfoOpenEnds,
    InfoTrackLength,

    // Parts list
    PartsCounterWord,
    PartsStraights,
    PartsCurves,
    PartsPoints,
    PartsRailBoxes,
    PartsTotal,
    PartsCsvSection,
    PartsCsvName,
    PartsCsvCount,

    // Image export
    ImageExportFilter,
    ImageExportTitle,
    ImageExportFailedText,
    ErrorTitle,

    // Catalogue
    CatalogueReadError,
    RailNameTooLong,
    OldFormatNotice,
    InvalidPoints,
    CatalogueWriteError,
    ConfirmDeleteRail,
    DeleteRailTitle,
    RenameRTypeQuestion,
    RenameRailTitle,
    AutoColourQuestion,
    AutoColourTitle,
    ApplyColoursQuestion,
    ApplyColoursTitle,
    DiscardChangesQuestion,
    ConfirmTitle,
    AngleDegrees,

    // Typed angle
    AngleFlexEndStatus,
    AnglePlaceStatus,
    AnglePlaceTurnStatus,
    AnglePlaceBoxStatus,
    TypedAngleDegrees,

    // Rail details
    AboutLabelText,
    AboutFontSize,
    AboutFontName,
    AboutName,
    AboutLength,
    AboutRadius,
    AboutAngle,
    AboutAngleStart,
    AboutAngleEnd,
    AboutCentre,
    AboutEnd1,
    AboutEnd2,
    AboutNext1,
    AboutNext2,
    AboutNoNeighbour,

    // Tool box buttons
    ButtonStraight,
    ButtonCurve,
    ButtonPoint,
    ButtonFlexible,
    ButtonObject,
    ButtonRailBox,
    ButtonAbout,
    ButtonUpper,
    ButtonSize,
    ButtonExecute,
    ButtonZoom,
    ButtonArrow,
    ButtonRuler,

    // Board, rail list and status line
    StatusLineHover,
    ListFlexibleRail,
    ListInsertText,
    ListElevate,
    ListDelete,
    PointRightHand,
    PointLeftHand,

    // Start-up and recovery
    UpgradeNoticeText,
    UnsavedLayoutName,
    RecoveryDetails,
    FlexRailFailed,
    RecolourRailName,

    // About
    AboutSystem,
    AboutKernel,
    AboutMail,
    LanguageAuto,

    // Editing
    SeveralSelected,
    RecolourSelectionQuestion,
    RecolourTitle,
    DeleteTitle,
    DeleteSelectionToo,
    DeleteSelection,
    MoveOutOfRange,
    WarningTitle,
    ElevateOneByOne,
    ElevateTitle,
    ElevatedNameHint,
    RenameBoxTitle,
    RenameBoxPrompt,
    RenameRailPrompt,
    RenameLabelTitle,
    RenameLabelPrompt,

    // Layout files
    FileNotFound,
    BadVersion,
    LayoutFileError,
    SaveQuestionTitle,

    // Undo
    UndoDelete,
    UndoRename,
    UndoPlace,
    UndoRecolour,
    UndoElevate,
    UndoMoveAll,
    UndoLayoutSize,
    UndoSelect,
    UndoJoin,
    UndoCaption,

    // Screen
    AutoScrollReadyText,
    AutoScrollRunningText,
    BackScreenTooLargeText,
    ImageTooLargeDetails,

    // Printing and exporting
    WholeOnOnePage,
    PdfExportTitle,
    SvgExportTitle,
    PdfFilter,
    SvgFilter,
    ExportFailed,
    PartsFileName,

    // Placing rails
    EndFoundNote,
    RailLimitReached,
    ClipBoxEmpty,
    FlexUserPoint,

    // Rail box and catalogue editors
    RailBoxNamePrompt,
    RailBoxNameEmpty,
    RailBoxNameTooLong,
    RailBoxNameQuote,
    RailBoxNameClip,
    RailBoxNameTaken,
    DeleteRailBoxQuestion,
    RailBoxNeedsTrack,
    SaveChangesQuestion,
    CatalogueEditorTitle,
};

// One row of the message table. Values put into a text are written {1}, {2}, ... in both
// columns, each language placing them where its sentence needs them.
struct MessageTexts {
    MessageId Id;
    const char* Japanese;
    const char* English;
};

// The whole table, one row per identifier in the identifiers' order.
std::span<const MessageTexts> MessageTable();

// The text in the given language.
const char* Msg(MessageId id, Language language);

// The text in the current language.
const char* Msg(MessageId id);

// The text in the current language with {n} replaced by the n-th value.
std::string Msg(MessageId id, std::initializer_list<std::string_view> values);

// TEXT with {1} to {9} replaced by the values; a placeholder without a value stays as it is.
std::string FillPlaceholders(std::string_view text, std::initializer_list<std::string_view> values);

} // namespace ferrovane::text
