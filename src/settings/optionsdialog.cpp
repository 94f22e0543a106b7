#include "settings/optionsdialog.h"

#include "platform/prompter.h"
#include "settings/colourswatch.h"
#include "settings/updown.h"
#include "settings/valuedisplay.h"
#include "settings/windowplacement.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

using placement::setTwipsGeometry;

namespace {

// One row of a frame: caption, value display and spin button, with the display following the
// spin button.
UpDown* offsetRow(QGroupBox* frame, const QString& caption, double top, QLabel*& display) {
    auto* label = new QLabel(caption, frame);
    setTwipsGeometry(label, 180, top + 30, 540, 240);
    display = makeValueDisplay(frame);
    setTwipsGeometry(display, 780, top, 735, 300);
    auto* spin = new UpDown(OptionsDialog::kOffsetMinimum, OptionsDialog::kOffsetMaximum,
                            OptionsDialog::kOffsetStep, frame);
    setTwipsGeometry(spin, 1515, top, 255, 300);
    QLabel* shown = display;
    QObject::connect(spin, &UpDown::valueChanged, shown,
                     [shown](int value) { shown->setText(QString::number(value)); });
    return spin;
}

// Offsets outside the spin buttons' range only come from a settings file edited by hand;
// they are brought to the nearer end of the range, which "O K" then stores.
int offsetInRange(qint32 stored) {
    return std::clamp<qint32>(stored, OptionsDialog::kOffsetMinimum, OptionsDialog::kOffsetMaximum);
}

void showOffset(UpDown* spin, QLabel* display, qint32 stored) {
    spin->setValue(offsetInRange(stored));
    // The display shows the value also when it equals the spin button's starting value.
    display->setText(QString::number(spin->value()));
}

} // namespace

OptionsDialog::OptionsDialog(AppState& state, Prompter& prompter, QWidget* mainWindow,
                             const std::function<void()>& closePreview)
    : QDialog(mainWindow), settings_(state.settings), prompter_(prompter) {
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(QStringLiteral("用紙と余白と色の設定"));
    setModal(true);
    buildControls();
    load(closePreview);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::buildControls() {
    placement::setFixedTwipsSize(this, 4230, 2775);

    documentFrame = new QGroupBox(QStringLiteral("書類"), this);
    documentFrame->setObjectName(QStringLiteral("documentFrame"));
    setTwipsGeometry(documentFrame, 120, 60, 1935, 1035);
    UpDown1 = offsetRow(documentFrame, QStringLiteral("LEFT"), 300, documentLeftValue);
    UpDown2 = offsetRow(documentFrame, QStringLiteral("TOP"), 660, documentTopValue);

    envelopeFrame = new QGroupBox(QStringLiteral("封筒"), this);
    envelopeFrame->setObjectName(QStringLiteral("envelopeFrame"));
    setTwipsGeometry(envelopeFrame, 2175, 60, 1935, 1035);
    UpDown13 = offsetRow(envelopeFrame, QStringLiteral("LEFT"), 300, envelopeLeftValue);
    UpDown14 = offsetRow(envelopeFrame, QStringLiteral("TOP"), 660, envelopeTopValue);

    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    UpDown13->setObjectName(QStringLiteral("UpDown13"));
    UpDown14->setObjectName(QStringLiteral("UpDown14"));
    documentLeftValue->setObjectName(QStringLiteral("documentLeftValue"));
    documentTopValue->setObjectName(QStringLiteral("documentTopValue"));
    envelopeLeftValue->setObjectName(QStringLiteral("envelopeLeftValue"));
    envelopeTopValue->setObjectName(QStringLiteral("envelopeTopValue"));

    colourFrame = new QGroupBox(QStringLiteral("色"), this);
    colourFrame->setObjectName(QStringLiteral("colourFrame"));
    setTwipsGeometry(colourFrame, 120, 1155, 3990, 1035);
    Label25 = new ColourSwatch(QStringLiteral("入力文字色"), colourFrame);
    Label25->setObjectName(QStringLiteral("Label25"));
    setTwipsGeometry(Label25, 180, 300, 1335, 300);
    Command1 = new QPushButton(QStringLiteral("参照"), colourFrame);
    Command1->setObjectName(QStringLiteral("Command1"));
    setTwipsGeometry(Command1, 1575, 285, 735, 330);
    Label26 = new ColourSwatch(QStringLiteral("用紙文字色"), colourFrame);
    Label26->setObjectName(QStringLiteral("Label26"));
    setTwipsGeometry(Label26, 180, 660, 1335, 300);
    Command4 = new QPushButton(QStringLiteral("参照"), colourFrame);
    Command4->setObjectName(QStringLiteral("Command4"));
    setTwipsGeometry(Command4, 1575, 645, 735, 330);
    Command5 = new QPushButton(QStringLiteral("リセットカラー"), colourFrame);
    Command5->setObjectName(QStringLiteral("Command5"));
    setTwipsGeometry(Command5, 2520, 450, 1335, 375);

    Command2 = new QPushButton(QStringLiteral("O K"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    setTwipsGeometry(Command2, 1560, 2280, 1215, 375);
    Command3 = new QPushButton(QStringLiteral("CANCEL"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    setTwipsGeometry(Command3, 2895, 2280, 1215, 375);

    // Enter presses the button that has the focus, else "O K"; left to itself the dialog would
    // make the first "参照" its default button. The first spin button has the focus at the
    // start.
    Command2->setDefault(true);
    UpDown1->setFocus();

    connect(Command1, &QPushButton::clicked, this, &OptionsDialog::Command1Click);
    connect(Command4, &QPushButton::clicked, this, &OptionsDialog::Command4Click);
    connect(Command5, &QPushButton::clicked, this, &OptionsDialog::Command5Click);
    connect(Command2, &QPushButton::clicked, this, &OptionsDialog::Command2Click);
    connect(Command3, &QPushButton::clicked, this, &OptionsDialog::Command3Click);
}

void OptionsDialog::load(const std::function<void()>& closePreview) {
    if (closePreview)
        closePreview();
    placement::centreOn(this, parentWidget());
    showOffset(UpDown1, documentLeftValue, settings_.formOffsetDown);
    showOffset(UpDown2, documentTopValue, settings_.formOffsetAcross);
    Label25->setColour(quint32(settings_.dataColour));
    Label26->setColour(quint32(settings_.formColour));
    showOffset(UpDown13, envelopeLeftValue, settings_.envelopeOffsetAcross);
    showOffset(UpDown14, envelopeTopValue, settings_.envelopeOffsetDown);
}

void OptionsDialog::chooseColour(ColourSwatch* swatch) {
    // The picker starts from its own last colour, not from the swatch's.
    const std::optional<quint32> chosen =
        prompter_.colour({QStringLiteral("色の設定"), pickerColour_}, this);
    if (!chosen)
        return;
    pickerColour_ = *chosen;
    swatch->setColour(*chosen);
}

void OptionsDialog::Command1Click() {
    chooseColour(Label25);
}

void OptionsDialog::Command4Click() {
    chooseColour(Label26);
}

void OptionsDialog::Command5Click() {
    Label25->setColour(0);
    Label26->setColour(0);
}

void OptionsDialog::Command2Click() {
    settings_.formOffsetDown = UpDown1->value();
    settings_.formOffsetAcross = UpDown2->value();
    settings_.dataColour = qint32(Label25->colour());
    settings_.formColour = qint32(Label26->colour());
    settings_.envelopeOffsetAcross = UpDown13->value();
    settings_.envelopeOffsetDown = UpDown14->value();
    accept();
}

void OptionsDialog::Command3Click() {
    reject();
}
