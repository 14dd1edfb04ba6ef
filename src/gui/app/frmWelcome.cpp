#include "gui/app/frmWelcome.h"

#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/values/format/Version.h"

namespace ferrovane::gui {

frmWelcome::frmWelcome(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmWelcome"));
    setWindowTitle(QStringLiteral("Ferrovane"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    setFixedSize(460, 300);

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/app.svg")).pixmap(72, 72));
    icon->setAlignment(Qt::AlignCenter);
    auto* title = new QLabel(QStringLiteral("Ferrovane"), this);
    QFont big = title->font();
    big.setPointSize(22);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: #f3ead8;"));
    auto* version = new QLabel(tr("Ver %1.%2.%3 — 線路レイアウト設計エディタ")
                                   .arg(app::VersionMajor)
                                   .arg(app::VersionMinor)
                                   .arg(app::VersionRevision),
                               this);
    version->setAlignment(Qt::AlignCenter);
    version->setStyleSheet(QStringLiteral("color: #d8ccb4;"));
    auto* start = new QPushButton(tr("新しいレイアウトを始める(&N)"), this);
    start->setObjectName(QStringLiteral("newLayoutButton"));
    start->setDefault(true);
    start->setMinimumHeight(34);
    connect(start, &QPushButton::clicked, this, [this] {
        if (OnProceed) OnProceed();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 24, 40, 28);
    layout->addWidget(icon);
    layout->addWidget(title);
    layout->addWidget(version);
    layout->addStretch(1);
    layout->addWidget(start);
}

void frmWelcome::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x2d, 0x5a, 0x3a));
    g.setColorAt(1, QColor(0x1c, 0x36, 0x25));
    p.fillRect(rect(), g);
}

} // namespace ferrovane::gui
