#include "gui/catalogue/frmEditRailBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/commands/catalogue/CatalogueSave.h"
#include "core/commands/catalogue/RailBoxEditor.h"
#include "core/commands/placement/RailBoxPlacement.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/render/PictureFit.h"
#include "core/compute/render/RailDispatch.h"
#include "gui/render/ImageSurface.h"

namespace ferrovane::gui {

namespace {

constexpr int PreviewWidth = 280;
constexpr int PreviewHeight = 200;

QPushButton* Button(QWidget* parent, const char* objectName, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(objectName));
    b->setAutoDefault(false);
    return b;
}

} // namespace

frmEditRailBox::frmEditRailBox(app::Workspace& ws, QWidget* parent)
    : QDialog(parent), mWs(ws), mOpened(ws.Catalogue) {
    setObjectName(QStringLiteral("frmEditRailBox"));
    setWindowTitle(QString::fromUtf8(catalogue::RailBoxEditorTitle()));

    mList = new QListWidget(this);
    mList->setObjectName(QStringLiteral("boxList"));
    mList->setMinimumSize(220, PreviewHeight);
    mPreview = new QLabel(this);
    mPreview->setObjectName(QStringLiteral("boxPreview"));
    mPreview->setFixedSize(PreviewWidth, PreviewHeight);
    mPreview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    connect(mList, &QListWidget::currentRowChanged, this, [this] { ShowPreview(); });

    auto* make = Button(this, "makeFromSelection", tr("選択からレール箱を作る(&M)..."));
    auto* rename = Button(this, "renameBox", tr("名前の変更(&N)..."));
    auto* remove = Button(this, "deleteBox", tr("削除(&D)"));
    auto* save = Button(this, "saveAndClose", tr("保存して閉じる(&S)"));
    auto* close = Button(this, "closeButton", tr("閉じる"));
    connect(make, &QPushButton::clicked, this, [this] {
        if (catalogue::MakeRailBoxFromSelection(mWs)) {
            const auto entries = catalogue::RailBoxEntries(mWs.Catalogue);
            // The new box is the last one before the clipboard box.
            int header = -1;
            for (const auto& e : entries)
                if (e.Name != catalogue::ClipRailBoxName) header = e.Header;
            FillList(header);
        }
    });
    connect(rename, &QPushButton::clicked, this, [this] {
        const int header = CurrentHeader();
        if (header >= 0 && catalogue::RenameRailBox(mWs, header)) FillList(header);
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        const int row = mList->currentRow();
        const int header = CurrentHeader();
        if (header < 0 || !catalogue::DeleteRailBox(mWs, header)) return;
        FillList(-1);
        mList->setCurrentRow(std::min(row, mList->count() - 1));
    });
    connect(save, &QPushButton::clicked, this, [this] {
        if (!catalogue::WriteCatalogue(mWs)) return;
        mSaved = true;
        accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout();
    top->addWidget(mList, 1);
    top->addWidget(mPreview);
    auto* commands = new QHBoxLayout();
    commands->addWidget(make);
    commands->addWidget(rename);
    commands->addWidget(remove);
    commands->addStretch(1);
    auto* ending = new QHBoxLayout();
    ending->addStretch(1);
    ending->addWidget(save);
    ending->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(commands);
    column->addLayout(ending);

    FillList(-1);
    if (mList->count() > 0) mList->setCurrentRow(0);
}

void frmEditRailBox::done(int result) {
    // Closing without saving asks about the changes; Cancel keeps the window open.
    if (!mSaved && !catalogue::CloseRailBoxEditor(mWs, mOpened)) return;
    QDialog::done(result);
}

void frmEditRailBox::FillList(int currentHeader) {
    mList->clear();
    for (const catalogue::RailBoxEntry& e : catalogue::RailBoxEntries(mWs.Catalogue)) {
        auto* item = new QListWidgetItem(
            tr("%1  (%2本)").arg(QString::fromStdString(e.Name)).arg(e.Members), mList);
        item->setData(Qt::UserRole, e.Header);
        if (e.Header == currentHeader) mList->setCurrentItem(item);
    }
    ShowPreview();
}

int frmEditRailBox::CurrentHeader() const {
    const QListWidgetItem* item = mList->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : -1;
}

void frmEditRailBox::ShowPreview() {
    ImageSurface surface(PreviewWidth, PreviewHeight);
    surface.Clear();
    const int header = CurrentHeader();
    if (header >= 0) {
        const std::vector<model::Rail> rails =
            geometry::LayRailBoxSample(mWs.Catalogue, header, mWs.Settings.RailWidth);
        const render::PictureFit fit =
            render::FitRailsInPicture(rails, PreviewWidth, PreviewHeight, 12);
        surface.SetScale(fit.Scale);
        const render::DrawContext context{rails, mWs.Settings, fit.Origin, false};
        for (int i = 0; i < static_cast<int>(rails.size()); ++i)
            render::DrawRailByKind(context, i, rails[static_cast<std::size_t>(i)].Color, surface,
                                   false);
    }
    surface.Flush();
    mPreview->setPixmap(QPixmap::fromImage(surface.Image()));
}

} // namespace ferrovane::gui
