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
// spin button. Both frames have the rows "LEFT" and "TOP": a screen reader hears the frame too.
UpDown* offsetRow(QGroupBox* frame, const QString& caption, double top, QLabel*& display) {
    auto* label = new QLabel(caption, frame);
    setTwipsGeometry(label, 180, top + 30, 540, 240);
    display = makeValueDisplay(frame);
    setTwipsGeometry(display, 780, top, 735, 300);
    auto* spin = new UpDown(OptionsDialog::kOffsetMinimum, OptionsDialog::kOffsetMaximum,
                            OptionsDialog::kOffsetStep, frame);
    setTwipsGeometry(spin, 1515, top, 255, 300);
    spin->setAccessibleName(frame->title() + u' ' + caption);
    label->setBuddy(spin);
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
    formOffsetDownSpin = offsetRow(documentFrame, QStringLiteral("LEFT"), 300, formOffsetDownValue);
    formOffsetAcrossSpin =
        offsetRow(documentFrame, QStringLiteral("TOP"), 660, formOffsetAcrossValue);

    envelopeFrame = new QGroupBox(QStringLiteral("封筒"), this);
    envelopeFrame->setObjectName(QStringLiteral("envelopeFrame"));
    setTwipsGeometry(envelopeFrame, 2175, 60, 1935, 1035);
    envelopeOffsetAcrossSpin =
        offsetRow(envelopeFrame, QStringLiteral("LEFT"), 300, envelopeOffsetAcrossValue);
    envelopeOffsetDownSpin =
        offsetRow(envelopeFrame, QStringLiteral("TOP"), 660, envelopeOffsetDownValue);

    formOffsetDownSpin->setObjectName(QStringLiteral("formOffsetDownSpin"));
    formOffsetAcrossSpin->setObjectName(QStringLiteral("formOffsetAcrossSpin"));
    envelopeOffsetAcrossSpin->setObjectName(QStringLiteral("envelopeOffsetAcrossSpin"));
    envelopeOffsetDownSpin->setObjectName(QStringLiteral("envelopeOffsetDownSpin"));
    formOffsetDownValue->setObjectName(QStringLiteral("formOffsetDownValue"));
    formOffsetAcrossValue->setObjectName(QStringLiteral("formOffsetAcrossValue"));
    envelopeOffsetAcrossValue->setObjectName(QStringLiteral("envelopeOffsetAcrossValue"));
    envelopeOffsetDownValue->setObjectName(QStringLiteral("envelopeOffsetDownValue"));

    colourFrame = new QGroupBox(QStringLiteral("色"), this);
    colourFrame->setObjectName(QStringLiteral("colourFrame"));
    setTwipsGeometry(colourFrame, 120, 1155, 3990, 1035);
    dataColourSwatch = new ColourSwatch(QStringLiteral("入力文字色"), colourFrame);
    dataColourSwatch->setObjectName(QStringLiteral("dataColourSwatch"));
    setTwipsGeometry(dataColourSwatch, 180, 300, 1335, 300);
    chooseDataColourButton = new QPushButton(QStringLiteral("参照"), colourFrame);
    chooseDataColourButton->setObjectName(QStringLiteral("chooseDataColourButton"));
    setTwipsGeometry(chooseDataColourButton, 1575, 285, 735, 330);
    formColourSwatch = new ColourSwatch(QStringLiteral("用紙文字色"), colourFrame);
    formColourSwatch->setObjectName(QStringLiteral("formColourSwatch"));
    setTwipsGeometry(formColourSwatch, 180, 660, 1335, 300);
    chooseFormColourButton = new QPushButton(QStringLiteral("参照"), colourFrame);
    chooseFormColourButton->setObjectName(QStringLiteral("chooseFormColourButton"));
    setTwipsGeometry(chooseFormColourButton, 1575, 645, 735, 330);
    // Two buttons read "参照": a screen reader says which colour each one chooses.
    for (auto [button, swatch] : {std::pair{chooseDataColourButton, dataColourSwatch},
                                  std::pair{chooseFormColourButton, formColourSwatch}})
        button->setAccessibleName(swatch->text() + u' ' + button->text());
    resetColoursButton = new QPushButton(QStringLiteral("リセットカラー"), colourFrame);
    resetColoursButton->setObjectName(QStringLiteral("resetColoursButton"));
    setTwipsGeometry(resetColoursButton, 2520, 450, 1335, 375);

    okButton = new QPushButton(QStringLiteral("O K"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    setTwipsGeometry(okButton, 1560, 2280, 1215, 375);
    cancelButton = new QPushButton(QStringLiteral("CANCEL"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    setTwipsGeometry(cancelButton, 2895, 2280, 1215, 375);

    // Enter presses the button that has the focus, else "O K"; left to itself the dialog would
    // make the first "参照" its default button. The first spin button has the focus at the
    // start.
    okButton->setDefault(true);
    formOffsetDownSpin->setFocus();

    connect(chooseDataColourButton, &QPushButton::clicked, this, &OptionsDialog::chooseDataColour);
    connect(chooseFormColourButton, &QPushButton::clicked, this, &OptionsDialog::chooseFormColour);
    connect(resetColoursButton, &QPushButton::clicked, this, &OptionsDialog::resetColours);
    connect(okButton, &QPushButton::clicked, this, &OptionsDialog::applyAndClose);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void OptionsDialog::load(const std::function<void()>& closePreview) {
    if (closePreview)
        closePreview();
    placement::centreOn(this, parentWidget());
    showOffset(formOffsetDownSpin, formOffsetDownValue, settings_.formOffsetDown);
    showOffset(formOffsetAcrossSpin, formOffsetAcrossValue, settings_.formOffsetAcross);
    dataColourSwatch->setColour(quint32(settings_.dataColour));
    formColourSwatch->setColour(quint32(settings_.formColour));
    showOffset(envelopeOffsetAcrossSpin, envelopeOffsetAcrossValue, settings_.envelopeOffsetAcross);
    showOffset(envelopeOffsetDownSpin, envelopeOffsetDownValue, settings_.envelopeOffsetDown);
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

void OptionsDialog::chooseDataColour() {
    chooseColour(dataColourSwatch);
}

void OptionsDialog::chooseFormColour() {
    chooseColour(formColourSwatch);
}

void OptionsDialog::resetColours() {
    dataColourSwatch->setColour(0);
    formColourSwatch->setColour(0);
}

void OptionsDialog::applyAndClose() {
    settings_.formOffsetDown = formOffsetDownSpin->value();
    settings_.formOffsetAcross = formOffsetAcrossSpin->value();
    settings_.dataColour = qint32(dataColourSwatch->colour());
    settings_.formColour = qint32(formColourSwatch->colour());
    settings_.envelopeOffsetAcross = envelopeOffsetAcrossSpin->value();
    settings_.envelopeOffsetDown = envelopeOffsetDownSpin->value();
    accept();
}
