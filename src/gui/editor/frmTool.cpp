#include "gui/editor/frmTool.h"
#include "gui/platform/TitleWidth.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "core/app/board/BoardView.h"
#include "core/app/board/ToolBoxControls.h"
#include "core/commands/workspace/ToolBoxState.h"
#include "core/commands/workspace/Workspace.h"
#include "gui/editor/ToolBoxButton.h"
#include "gui/render/PainterSurface.h"

// The icons live in the gui library's resources, which a static library must register.
static void InitToolBoxResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(ferrovane);
        return true;
    }();
    (void)done;
}

namespace ferrovane::gui {

namespace {

const char* const KindIcons[6] = {"straight", "curve", "point", "flexible", "object", "railbox"};

QString IconPath(const char* name) {
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
}

QString FromUtf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The widest line the panel is expected to show, to keep its size steady.
constexpr const char* WidestAboutLine =
    QT_TRANSLATE_NOOP("ferrovane::gui::frmTool", "端位置(1) : (-12345.6, -12345.6)");
constexpr int AboutLineCount = 11;
// Room the window manager takes beside the title for its icon and buttons, and how much
// wider its (often bold, larger) title font may set the text than the program's font.

QFont AboutFont(bool large) {
    QFont font(QStringLiteral("Noto Sans Mono CJK JP"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(large ? 9.0 : 7.5);
    return font;
}

} // namespace

frmTool::frmTool(app::Workspace& ws, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), mWs(ws) {
    InitToolBoxResources();
    setObjectName(QStringLiteral("frmTool"));
    setWindowTitle(tr("ツールボックス"));
    setMouseTracking(true);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(2);
    for (int kind = editor::ButtonKindFirst; kind <= editor::ButtonKindLast; ++kind) {
        picObject[static_cast<std::size_t>(kind)] =
            AddButton(buttons, 0, kind, KindIcons[kind], kind);
        connect(picObject[static_cast<std::size_t>(kind)], &ToolBoxButton::Pressed, this,
                [this, kind] { ObjectPressed(kind); });
    }
    picAbout = AddButton(buttons, 1, 0, "about", editor::ButtonAbout);
    picUpper = AddButton(buttons, 1, 1, "upper", editor::ButtonUpper);
    picSize = AddButton(buttons, 1, 2, "size", editor::ButtonSize);
    picExecute = AddButton(buttons, 1, 3, "execute", editor::ButtonExecute0);
    picArrow = AddButton(buttons, 1, 4, "arrow", editor::ButtonArrow);
    picRuler = AddButton(buttons, 1, 5, "ruler", editor::ButtonRuler);
    // The execute button's id follows the image it shows.
    disconnect(picExecute, &ToolBoxButton::Hovered, this, nullptr);
    connect(picExecute, &ToolBoxButton::Hovered, this,
            [this] { Hover(editor::ExecuteButtonId(mWs.ToolBox)); });
    connect(picAbout, &ToolBoxButton::Pressed, this, &frmTool::ToggleRailAbout);
    connect(picUpper, &ToolBoxButton::Pressed, this, [this] {
        editor::ToggleUpperMode(mWs);
        setlstRails();
        setButton();
    });
    connect(picSize, &ToolBoxButton::Pressed, this, [this] {
        editor::ToggleLargeToolBox(mWs);
        SetSize();
        setButton();
    });
    connect(picExecute, &ToolBoxButton::Pressed, this, &frmTool::ExecutePressed);
    connect(picArrow, &ToolBoxButton::Pressed, this, [this] {
        editor::ToggleRangeSelectTool(mWs);
        setButton();
    });
    connect(picRuler, &ToolBoxButton::Pressed, this, [this] {
        editor::ToggleRulerTool(mWs);
        setButton();
    });
    column->addLayout(buttons);

    lstRails = new QListWidget(this);
    lstRails->setObjectName(QStringLiteral("lstRails"));
    lstRails->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRails->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstRails->viewport()->setMouseTracking(true);
    lstRails->viewport()->installEventFilter(this);
    connect(lstRails, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ChooseRow(lstRails->row(item), true); });
    connect(lstRails, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!mFilling) ChooseRow(row, false);
    });
    column->addWidget(lstRails);

    auto* labels = new QGridLayout;
    labels->setHorizontalSpacing(6);
    labels->setVerticalSpacing(1);
    const auto addLabel = [&](int row, const QString& caption, const char* name,
                              QLabel*& captionLabel, QLabel*& valueLabel) {
        captionLabel = new QLabel(caption, this);
        valueLabel = new QLabel(this);
        valueLabel->setObjectName(QLatin1String(name));
        valueLabel->setTextInteractionFlags(Qt::NoTextInteraction);
        for (QLabel* l : {captionLabel, valueLabel}) {
            l->setMouseTracking(true);
            l->installEventFilter(this);
        }
        labels->addWidget(captionLabel, row, 0);
        labels->addWidget(valueLabel, row, 1);
    };
    addLabel(0, tr("長さ"), "lblLength2", lblLength, lblLength2);
    addLabel(1, tr("半径"), "lblRadian2", lblRadian, lblRadian2);
    addLabel(2, tr("角度"), "lblDegree2", lblDegree, lblDegree2);
    labels->setColumnStretch(1, 1);
    column->addLayout(labels);

    picRailAbout = new QLabel(this);
    picRailAbout->setObjectName(QStringLiteral("picRailAbout"));
    picRailAbout->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picRailAbout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picRailAbout->setTextFormat(Qt::PlainText);
    picRailAbout->setAutoFillBackground(true);
    picRailAbout->setMouseTracking(true);
    picRailAbout->installEventFilter(this);
    {
        QPalette pal = picRailAbout->palette();
        pal.setColor(QPalette::Window, Qt::white);
        picRailAbout->setPalette(pal);
    }
    column->addWidget(picRailAbout);

    SetSize();
    ShowRailAbout();
    setlstRails();
    setButton();
}

ToolBoxButton* frmTool::AddButton(QGridLayout* grid, int row, int column, const char* icon,
                                  int hoverId) {
    auto* button = new ToolBoxButton(IconPath(icon), this);
    button->setObjectName(hoverId < 6 ? QStringLiteral("picObject%1").arg(hoverId)
                                      : QStringLiteral("pic%1").arg(QLatin1String(icon)));
    connect(button, &ToolBoxButton::Hovered, this, [this, hoverId] { Hover(hoverId); });
    grid->addWidget(button, row, column);
    return button;
}

void frmTool::Hover(int buttonId) {
    mWs.ToolBox.ButtonId = static_cast<std::int16_t>(buttonId);
    setButton();
}

void frmTool::setButton() {
    if (editor::RefreshToolButtons(mWs, mLook)) ApplyLook();
}

void frmTool::ApplyLook() {
    const auto faces = editor::KindButtonFaces(mWs.ToolBox, mLook);
    for (std::size_t kind = 0; kind < picObject.size(); ++kind)
        picObject[kind]->SetFace(faces[kind]);
    picAbout->SetFace(mLook.About);
    picUpper->SetFace(mLook.Upper);
    picSize->SetFace(mLook.Size);
    picExecute->SetFace(mLook.Execute);
    picArrow->SetFace(mLook.Arrow);
    picRuler->SetFace(mLook.Ruler);
    emit LookChanged(mLook);
}

void frmTool::PointerOnBoard() {
    Hover(editor::ButtonNone);
}

void frmTool::setlstRails() {
    ShowRailList(editor::FillRailList(mWs));
}

void frmTool::ShowRailList(const std::vector<editor::RailListEntry>& list) {
    mEntries = list;
    mFilling = true;
    lstRails->clear();
    for (const auto& entry : mEntries)
        lstRails->addItem(FromUtf8(entry.Text));
    const int row = editor::CurrentRailListRow(mWs.Editor, mWs.ToolBox.ObjectIndex, mEntries);
    lstRails->setCurrentRow(row);
    mFilling = false;
    FitListHeight();
    ShowLabels({});
    if (row >= 0) ChooseRow(row, false);
}

void frmTool::FitListHeight() {
    // Whole rows: as many as the size allows, measured on a row the list really draws.
    const int rows = mWs.Settings.LargeToolBox ? 10 : 6;
    int rowHeight = lstRails->count() > 0 ? lstRails->sizeHintForRow(0) : 0;
    if (rowHeight <= 0) rowHeight = QFontMetrics(lstRails->font()).height() + 2;
    lstRails->setFixedHeight(rows * rowHeight + 2 * lstRails->frameWidth());
}

void frmTool::ChooseRow(int row, bool fromClick) {
    if (row < 0 || row >= static_cast<int>(mEntries.size())) return;
    const editor::RailListEntry& entry = mEntries[static_cast<std::size_t>(row)];
    // Only a click opens a command; moving onto one waits for it.
    if (!fromClick && !editor::ChoosesOnStep(entry)) return;
    const editor::RailChoice choice = editor::ChooseRailListEntry(mWs, entry);
    if (editor::ChoosesOnStep(entry)) ShowLabels(choice.Labels);
    if (choice.Command != editor::ToolCommand::None) emit CommandChosen(choice.Command);
}

void frmTool::ShowLabels(const editor::RailLabels& labels) {
    lblLength2->setText(FromUtf8(labels.Length));
    lblRadian2->setText(FromUtf8(labels.Radius));
    lblDegree2->setText(FromUtf8(labels.Angle));
}

void frmTool::StepRailList(int delta) {
    const int count = lstRails->count();
    const int row = lstRails->currentRow();
    const int next = editor::SteppedRailListIndex(mWs.ToolBox.ObjectIndex, row, count, delta);
    if (next == row || next < 0 || next >= count) return;
    mFilling = true;
    lstRails->setCurrentRow(next);
    mFilling = false;
    ChooseRow(next, false);
}

void frmTool::ObjectPressed(int kind) {
    editor::ChooseKindButton(mWs, kind);
    // The list first: refilling it can change the board's mode, which the buttons show.
    setlstRails();
    setButton();
}

void frmTool::ExecutePressed() {
    const int row = lstRails->currentRow();
    const editor::RailListEntry* current = row >= 0 && row < static_cast<int>(mEntries.size())
                                               ? &mEntries[static_cast<std::size_t>(row)]
                                               : nullptr;
    const editor::ToolCommand command = editor::RunListedCommand(mWs, current);
    setButton();
    if (command != editor::ToolCommand::None) emit CommandChosen(command);
}

void frmTool::ToggleRailAbout() {
    editor::ToggleRailAboutDisplay(mWs);
    ShowRailAbout();
    setButton();
}

void frmTool::ShowRailAbout() {
    picRailAbout->setVisible(mWs.ToolBox.IsRailAboutOn);
}

void frmTool::ShowRailAbout(const editor::RailAbout& about) {
    QPalette pal = picRailAbout->palette();
    pal.setColor(QPalette::WindowText, ToQColor(about.Color));
    picRailAbout->setPalette(pal);
    QStringList lines;
    for (const auto& line : about.Lines)
        lines << FromUtf8(line);
    picRailAbout->setText(lines.join(QLatin1Char('\n')));
}

void frmTool::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::FontChange || mResizePending) return;
    mResizePending = true;
    QTimer::singleShot(0, this, [this] {
        mResizePending = false;
        SetSize();
    });
}

void frmTool::SetSize() {
    const bool large = mWs.Settings.LargeToolBox;
    const int iconSize = large ? 32 : 20;
    for (ToolBoxButton* b : picObject)
        b->SetIconSize(iconSize);
    for (ToolBoxButton* b : {picAbout, picUpper, picSize, picExecute, picArrow, picRuler})
        b->SetIconSize(iconSize);

    QFont listFont = font();
    const float size = mWs.Settings.RailListFontSize;
    if (size >= 4 && size <= 72) listFont.setPointSizeF(static_cast<double>(size));
    lstRails->setFont(listFont);

    QFont labelFont = font();
    if (!large) labelFont.setPointSizeF(labelFont.pointSizeF() * 0.85);
    for (QLabel* l : {lblLength, lblRadian, lblDegree, lblLength2, lblRadian2, lblDegree2})
        l->setFont(labelFont);

    const QFont aboutFont = AboutFont(large);
    picRailAbout->setFont(aboutFont);
    // Sized for a full panel, measured as the label lays text out (Japanese lines are
    // taller than the font's own line spacing), so the window does not jump.
    QStringList sample;
    for (int i = 0; i < AboutLineCount; ++i)
        sample << tr(WidestAboutLine);
    const QRect extent = QFontMetrics(aboutFont).boundingRect(
        QRect(0, 0, 4000, 4000), Qt::AlignLeft | Qt::AlignTop, sample.join(QLatin1Char('\n')));
    const int margin = 3;
    picRailAbout->setMargin(margin);
    const int border = 2 * (picRailAbout->frameWidth() + margin) + 4;
    // Never narrower than the window's title, which the window manager would cut.
    const int titleWidth = TitleBarWidth(windowTitle());
    picRailAbout->setFixedSize(std::max(extent.width() + border, titleWidth),
                               extent.height() + border);
    lstRails->setFixedWidth(picRailAbout->width());
    FitListHeight();
    adjustSize();
}

bool frmTool::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const char* text = nullptr;
        if (watched == lstRails->viewport())
            text = editor::HoverRailList();
        else if (watched == lblDegree)
            text = editor::HoverDegree();
        else if (watched == lblDegree2)
            text = editor::HoverDegree2();
        else if (watched == lblLength2 || watched == lblLength)
            text = editor::HoverLength2();
        else if (watched == lblRadian2 || watched == lblRadian)
            text = editor::HoverRadian2();
        else if (watched == picRailAbout)
            text = editor::HoverRailAbout();
        if (text != nullptr && editor::PointerOverToolBoxText(mWs, text, mLook)) ApplyLook();
    }
    return QWidget::eventFilter(watched, event);
}

void frmTool::mouseMoveEvent(QMouseEvent* event) {
    // Between the controls no button is under the pointer.
    Hover(editor::ButtonNone);
    QWidget::mouseMoveEvent(event);
}

} // namespace ferrovane::gui
