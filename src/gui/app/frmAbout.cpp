#include "gui/app/frmAbout.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

#include "core/values/platform/ProgramContact.h"

namespace ferrovane::gui {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QString Link(const QString& href, const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(href.toHtmlEscaped(), text.toHtmlEscaped());
}

} // namespace

app::AboutFacts frmAbout::Facts() {
    app::AboutFacts facts;
    facts.QtVersion = qVersion();
    facts.System = QSysInfo::prettyProductName().toStdString();
    facts.Kernel = (QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion() +
                    QLatin1Char(' ') + QSysInfo::currentCpuArchitecture())
                       .toStdString();
    return facts;
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(app::AboutTitle()));
    const app::AboutFacts facts = Facts();
    mReport = Q(app::AboutReport(facts));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/app.svg")).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(QStringLiteral("<b>%1</b> %2")
                                .arg(QString::fromUtf8(app::ProgramName), Q(app::VersionText())),
                            this);
    name->setObjectName(QStringLiteral("lblVersion"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    name->setFont(big);

    auto* purpose =
        new QLabel(tr("カタログ通りの線路部品でレイアウトを設計するエディタです。"), this);
    auto* system = new QLabel(QStringLiteral("Qt %1<br>%2<br>%3")
                                  .arg(Q(facts.QtVersion), Q(facts.System).toHtmlEscaped(),
                                       Q(facts.Kernel).toHtmlEscaped()),
                              this);
    system->setObjectName(QStringLiteral("lblSystem"));
    system->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const QString web = QString::fromUtf8(app::WebPage);
    const QString mail = QString::fromUtf8(app::MailAddress);
    auto* links = new QLabel(tr("Web : %1<br>メール : %2")
                                 .arg(Link(web, web), Link(QStringLiteral("mailto:") + mail, mail)),
                             this);
    links->setObjectName(QStringLiteral("lblLinks"));
    links->setTextFormat(Qt::RichText);
    links->setOpenExternalLinks(true);
    links->setTextInteractionFlags(Qt::TextBrowserInteraction);

    // In place of a system-information tool: everything a bug report asks for, in one
    // paste.
    auto* copy = new QPushButton(QString::fromUtf8(app::CopyAboutCaption()), this);
    copy->setObjectName(QStringLiteral("copyButton"));
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, &frmAbout::CopyReport);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout();
    text->addWidget(name);
    text->addWidget(purpose);
    text->addSpacing(8);
    text->addWidget(system);
    text->addSpacing(8);
    text->addWidget(links);
    auto* top = new QHBoxLayout();
    top->addWidget(icon);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(copy);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(buttons);
}

void frmAbout::CopyReport() {
    QApplication::clipboard()->setText(mReport);
}

} // namespace ferrovane::gui
