#include "settings/aboutbox.h"

#include "platform/gui/fonts.h"
#include "platform/gui/twips.h"
#include "settings/appicon.h"
#include "settings/windowplacement.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using placement::setTwipsGeometry;

namespace {

QFrame* separator(QWidget* parent, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setAutoFillBackground(true);
    QPalette p = line->palette();
    p.setColor(QPalette::Window, colour);
    line->setPalette(p);
    return line;
}

} // namespace

AboutBox::AboutBox(const AppState& state, QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("AboutBox"));
    setModal(false);
    buildControls();
    load(state.program);
}

AboutBox::~AboutBox() = default;

void AboutBox::buildControls() {
    placement::setFixedTwipsSize(this, 4680, 2220);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    setTwipsGeometry(picIcon, 240, 240, 480, 480);
    picIcon->setPixmap(appIcon().pixmap(picIcon->size()));

    QFont font(fonts::proportionalGothic(), 12);
    font.setBold(true);
    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setFont(font);
    setTwipsGeometry(lblTitle, 960, 270, 3480, 390);
    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignCenter);
    lblVersion->setFont(font);
    setTwipsGeometry(lblVersion, 960, 750, 3480, 390);

    // An etched separator: the grey line with the white one just below it.
    Line1[0] = separator(this, Qt::white);
    Line1[0]->setObjectName(QStringLiteral("Line1_0"));
    Line1[1] = separator(this, QColor(0x80, 0x80, 0x80));
    Line1[1]->setObjectName(QStringLiteral("Line1_1"));
    const int dpiX = logicalDpiX() > 0 ? logicalDpiX() : 96;
    const int dpiY = logicalDpiY() > 0 ? logicalDpiY() : 96;
    const int lineLeft = twips::toPixels(240, dpiX);
    const int lineWidth = twips::toPixels(4200, dpiX);
    const int lineTop = twips::toPixels(1410, dpiY);
    Line1[1]->setGeometry(lineLeft, lineTop, lineWidth, 1);
    Line1[0]->setGeometry(lineLeft, lineTop + 1, lineWidth, 1);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    setTwipsGeometry(cmdOK, 1740, 1620, 1200, 375);
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::cmdOKClick);
}

void AboutBox::load(const ProgramInfo& program) {
    placement::centreOn(this, parentWidget());
    setWindowTitle(program.title + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
    lblVersion->setText(QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + program.versionText());
    lblTitle->setText(program.title);
}

void AboutBox::cmdOKClick() {
    close();
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    // Esc presses "OK" as Enter does, rather than rejecting the dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
