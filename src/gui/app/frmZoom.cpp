#include "gui/app/frmZoom.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace ferrovane::gui {

frmZoom::frmZoom(float zoom, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(tr("倍率の指定"));
    const int percent = render::ZoomPercent(zoom);

    mPercent = new QLineEdit(QString::number(percent), this);
    mPercent->setObjectName(QStringLiteral("percentEdit"));
    mPercent->setMaximumWidth(70);
    mPercent->setAlignment(Qt::AlignRight);
    QTimer::singleShot(0, mPercent, [this] {
        mPercent->setFocus();
        mPercent->selectAll();
    });

    mTrackBar = new QSlider(Qt::Horizontal, this);
    mTrackBar->setObjectName(QStringLiteral("trackBar"));
    mTrackBar->setRange(render::ZoomTrackMin, render::ZoomTrackMax);
    mTrackBar->setTickPosition(QSlider::TicksBelow);
    mTrackBar->setTickInterval(render::ZoomTrackTick);
    mTrackBar->setSingleStep(render::ZoomTrackSmallChange);
    mTrackBar->setPageStep(render::ZoomTrackLargeChange);
    mTrackBar->setValue(percent);
    connect(mTrackBar, &QSlider::valueChanged, this,
            [this](int v) { mPercent->setText(QString::number(v)); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("倍率 :"), this), 0, 0);
    auto* percentRow = new QHBoxLayout();
    percentRow->addWidget(mPercent);
    percentRow->addWidget(new QLabel(QStringLiteral("%"), this));
    percentRow->addStretch(1);
    grid->addLayout(percentRow, 0, 1);
    grid->addWidget(mTrackBar, 1, 0, 1, 2);

    auto* quick = new QHBoxLayout();
    for (int p : {25, 75, 50}) {
        auto* b = new QPushButton(QStringLiteral("%1 %").arg(p), this);
        b->setObjectName(QStringLiteral("quick%1").arg(p));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, p] {
            mPercent->setText(QString::number(p));
            Accept();
        });
        quick->addWidget(b);
    }
    grid->addLayout(quick, 2, 0, 1, 2);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &frmZoom::Accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 3, 0, 1, 2);
}

void frmZoom::Accept() {
    mResult = render::ApplyZoomDialog(mPercent->text().toStdString());
    if (!mResult) {
        // Refused with a word, and the window stays for another try.
        QMessageBox::warning(this, tr("警告"), QString::fromUtf8(render::ZoomRangeText()));
        mPercent->setFocus();
        mPercent->selectAll();
        return;
    }
    accept();
}

} // namespace ferrovane::gui
