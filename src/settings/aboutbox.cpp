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

    iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    setTwipsGeometry(iconLabel, 240, 240, 480, 480);
    iconLabel->setPixmap(appIcon().pixmap(iconLabel->size()));

    QFont font(fonts::proportionalGothic(), 12);
    font.setBold(true);
    titleLabel = new QLabel(this);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setAlignment(Qt::AlignCenter);
    titleLabel->setFont(font);
    setTwipsGeometry(titleLabel, 960, 270, 3480, 390);
    versionLabel = new QLabel(this);
    versionLabel->setObjectName(QStringLiteral("versionLabel"));
    versionLabel->setAlignment(Qt::AlignCenter);
    versionLabel->setFont(font);
    setTwipsGeometry(versionLabel, 960, 750, 3480, 390);

    // An etched separator: the grey line with the white one just below it.
    separatorLines[0] = separator(this, Qt::white);
    separatorLines[0]->setObjectName(QStringLiteral("separatorLight"));
    separatorLines[1] = separator(this, QColor(0x80, 0x80, 0x80));
    separatorLines[1]->setObjectName(QStringLiteral("separatorShadow"));
    const int dpiX = logicalDpiX() > 0 ? logicalDpiX() : 96;
    const int dpiY = logicalDpiY() > 0 ? logicalDpiY() : 96;
    const int lineLeft = twips::toPixels(240, dpiX);
    const int lineWidth = twips::toPixels(4200, dpiX);
    const int lineTop = twips::toPixels(1410, dpiY);
    separatorLines[1]->setGeometry(lineLeft, lineTop, lineWidth, 1);
    separatorLines[0]->setGeometry(lineLeft, lineTop + 1, lineWidth, 1);

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    setTwipsGeometry(okButton, 1740, 1620, 1200, 375);
    connect(okButton, &QPushButton::clicked, this, &QWidget::close);
}

void AboutBox::load(const ProgramInfo& program) {
    placement::centreOn(this, parentWidget());
    setWindowTitle(program.title + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
    versionLabel->setText(QStringLiteral("ﾊﾞｰｼﾞｮﾝ ") + program.versionText());
    titleLabel->setText(program.title);
}

void AboutBox::keyPressEvent(QKeyEvent* event) {
    // Esc presses "OK" as Enter does, rather than rejecting the dialog.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        okButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
