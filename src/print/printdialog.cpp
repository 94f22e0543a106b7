// The print settings dialog "印刷の設定": its controls, and how they show and store the print data.
#include "print/printdialog.h"

#include "platform/clock.h"
#include "platform/gui/colours.h"
#include "platform/gui/fonts.h"
#include "platform/gui/printers.h"
#include "platform/gui/spinbutton.h"
#include "platform/gui/twips.h"
#include "platform/prompter.h"
#include "print/applicationdatebox.h"
#include "print/core/bureaufile.h"
#include "print/feeframe.h"
#include "print/previewwindow.h"
#include "print/releasecheckbox.h"
#include "record/eradate.h"
#include "record/renewalwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr quint32 kRed = 0x0000FFu;
constexpr int kBlinkIntervalMs = 250;

// A box of the "印刷データ" frame: its object name, the caption beside it, and what a screen
// reader says for it when the caption alone would not do (padded for the layout, or repeated
// in the other column).
struct DataBox {
    printfill::Box box;
    const char* name;
    const char* caption;
    const char* spokenName;
};
constexpr std::array<DataBox, printfill::kBoxCount> kDataBoxes{{
    {printfill::CallSignBox, "callSignBox", "ｺｰﾙｻｲﾝ", nullptr},
    {printfill::LicenceNoBox, "licenceNoBox", "免許番号", nullptr},
    {printfill::DestinationBox, "destinationBox", "提出先", nullptr},
    {printfill::LicenceDateBox, "licenceDateBox", "免許年月日", nullptr},
    {printfill::ExpiryBox, "expiryBox", "免許期限", nullptr},
    {printfill::ClubNameBox, "clubNameBox", "クラブ局名", nullptr},
    {printfill::ClubKanaBox, "clubKanaBox", "ﾌﾘｶﾞﾅ", nullptr},
    {printfill::StationZipBox, "stationZipBox", "郵便番号", nullptr},
    {printfill::StationAddr1Box, "stationAddr1Box", "設(常)置場所１", nullptr},
    {printfill::StationAddr2Box, "stationAddr2Box", "設(常)置場所2", nullptr},
    {printfill::ApplicantNameBox, "applicantNameBox", "氏　    名", "申請者 氏名"},
    {printfill::ApplicantKanaBox, "applicantKanaBox", "フ リ ガ ナ", "申請者 フリガナ"},
    {printfill::ApplicantZipBox, "applicantZipBox", "郵便 番号", "申請者 郵便番号"},
    {printfill::ApplicantAddr1Box, "applicantAddr1Box", "住  所  １", "申請者 住所１"},
    {printfill::ApplicantAddr2Box, "applicantAddr2Box", "住  所  2", "申請者 住所2"},
    {printfill::ApplicantTelBox, "applicantTelBox", "電話番号", "申請者 電話番号"},
}};
constexpr bool inBoxOrder() {
    for (size_t i = 0; i < kDataBoxes.size(); ++i) {
        if (kDataBoxes[i].box != int(i))
            return false;
    }
    return true;
}
static_assert(inBoxOrder(), "kDataBoxes is indexed by printfill::Box");

} // namespace

PrintDialog::PrintDialog(AppState& state, Prompter& prompter, const Clock& clock,
                         PrinterCatalogue& printers, QWidget* parent)
    : QDialog(parent), state_(state), prompter_(prompter), clock_(clock), printers_(printers) {
    setObjectName(QStringLiteral("PrintDialog"));
    setWindowTitle(QStringLiteral("印刷の設定"));
    buildControls();
    load();
}

PrintDialog::~PrintDialog() = default;

void PrintDialog::buildControls() {
    const int dpi = logicalDpiX();
    const auto px = [dpi](double t) { return twips::toPixels(t, dpi); };
    const auto place = [dpi](QWidget* w, double left, double top, double width, double height) {
        twips::place(w, left, top, width, height, dpi);
    };
    const auto label = [&place](QWidget* parent, const QString& text, double left, double top,
                                double width) {
        auto* l = new QLabel(text, parent);
        place(l, left, top, width, 300);
        return l;
    };
    setFixedSize(px(11430), px(7395));

    // Frame "印刷データ": the left column the licence and the station, the right column the
    // applicant.
    auto* data = new QGroupBox(QStringLiteral("印刷データ"), this);
    place(data, 120, 60, 11190, 4020);
    QFont boxFont = font();
    boxFont.setFamily(fonts::gothic());
    for (const DataBox& d : kDataBoxes) {
        const int i = d.box;
        const bool right = i >= printfill::ApplicantNameBox;
        const double top = right ? 660 + (i - printfill::ApplicantNameBox) * 360 : 300 + i * 360;
        QLabel* caption = label(data, QString::fromUtf8(d.caption), right ? 5640 : 180, top + 15,
                                right ? 1200 : 1320);
        auto* box = new QLineEdit(data);
        box->setObjectName(QLatin1String(d.name));
        caption->setBuddy(box);
        if (d.spokenName)
            box->setAccessibleName(QString::fromUtf8(d.spokenName));
        box->setFont(boxFont);
        place(box, right ? 6900 : 1560, top, right ? 4140 : 3600, 330);
        if (i >= printfill::ClubNameBox) {
            // Printed from the record whatever they show: read-only, so no one types there.
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::NoFocus);
            colours::setBackground(box, QPalette::Base, colours::kButtonFace);
        }
        dataBoxes[size_t(i)] = box;
    }
    auto* divider = new QFrame(data);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    place(divider, 5400, 240, 60, 3700);
    label(data, QStringLiteral("申請者のデータ"), 5640, 300, 3000);

    clubStationCheck = new QCheckBox(QStringLiteral("クラブ局"), data);
    clubStationCheck->setObjectName(QStringLiteral("clubStationCheck"));
    place(clubStationCheck, 6900, 2820, 2000, 300);

    const QString dateCaption = QStringLiteral("申請日");
    label(data, dateCaption, 5640, 3195, 1200);
    applicationDateDisplay = newApplicationDateBox(QStringLiteral("applicationDateDisplay"), data);
    connect(applicationDateDisplay, &DateBox::dateTyped, this, &PrintDialog::showWindowWarning);
    connect(applicationDateDisplay, &DateBox::refused, this, [this](const QString& problem) {
        prompter_.message(
            {problem, state_.program.title, Prompter::Buttons::Ok, Prompter::Icon::None}, this);
    });
    place(applicationDateDisplay, 6900, 3180, 2400, 330);
    const std::array<const char*, 3> units{"年", "月", "日"};
    const std::array<const char*, 3> spinNames{"yearSpinButton", "monthSpinButton",
                                               "daySpinButton"};
    for (int i = 0; i < 3; ++i) {
        const QString unit = QString::fromUtf8(units[size_t(i)]);
        auto* spin = new SpinButton(data);
        spin->setObjectName(QLatin1String(spinNames[size_t(i)]));
        spin->setAccessibleName(dateCaption + u' ' + unit);
        place(spin, 6900 + i * 800, 3540, 255, 420);
        label(data, unit, 7200 + i * 800, 3600, 400);
        connect(spin, &SpinButton::stepped, this,
                [this, i](int step) { stepApplicationDate(i, step); });
        applicationDateSpinButtons[size_t(i)] = spin;
    }

    // Frame "電波使用料、電波法の処分履歴".
    feeFrame = new FeeFrame(boxFont, this);
    place(feeFrame, 120, 4140, 11190, 1440);
    prepayAnswerChecks = feeFrame->prepayAnswerChecks;
    prepayPeriodChecks = feeFrame->prepayPeriodChecks;
    prepayYearsBox = feeFrame->prepayYearsBox;
    disposalHistoryCheck = feeFrame->disposalHistoryCheck;

    // Frame "印刷の設定".
    auto* output = new QGroupBox(QStringLiteral("印刷の設定"), this);
    place(output, 120, 5640, 11190, 1200);
    const std::array<const char*, 3> documents{"再免許申請書", "封筒（総通宛用）長型3号",
                                               "封筒（返信用)長型3号"};
    const std::array<const char*, 3> documentNames{"applicationFormCheck", "bureauEnvelopeCheck",
                                                   "returnEnvelopeCheck"};
    const std::array<double, 3> documentLeft{180, 2400, 5700};
    for (int i = 0; i < printfill::kDocumentCount; ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(documents[size_t(i)]), output);
        box->setObjectName(QLatin1String(documentNames[size_t(i)]));
        place(box, documentLeft[size_t(i)], 300, 3000, 330);
        documentChecks[size_t(i)] = box;
    }
    QLabel* printerCaption = label(output, QStringLiteral("プリンター"), 180, 750, 1000);
    printerBox = new QComboBox(output);
    printerBox->setObjectName(QStringLiteral("printerBox"));
    printerCaption->setBuddy(printerBox);
    place(printerBox, 1200, 705, 4300, 345);
    printerPropertiesButton = new QPushButton(QStringLiteral("ﾌﾟﾛﾊﾟﾃｨ"), output);
    printerPropertiesButton->setObjectName(QStringLiteral("printerPropertiesButton"));
    place(printerPropertiesButton, 5600, 690, 1100, 375);
    printApplicationDateCheck = new QCheckBox(QStringLiteral("申請日"), output);
    printApplicationDateCheck->setObjectName(QStringLiteral("printApplicationDateCheck"));
    place(printApplicationDateCheck, 7000, 720, 1300, 300);
    registeredMailCheck = new QCheckBox(QStringLiteral("簡易書留(送付)"), output);
    registeredMailCheck->setObjectName(QStringLiteral("registeredMailCheck"));
    place(registeredMailCheck, 8400, 720, 2600, 300);

    printButton = new QPushButton(QStringLiteral("印　刷"), this);
    printButton->setObjectName(QStringLiteral("printButton"));
    place(printButton, 7920, 6930, 1500, 420);
    cancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    place(cancelButton, 9600, 6930, 1500, 420);
    printButton->setAutoDefault(false);
    cancelButton->setAutoDefault(false);
    windowWarningLabel = new QLabel(this);
    windowWarningLabel->setObjectName(QStringLiteral("windowWarningLabel"));
    windowWarningLabel->setStyleSheet(QStringLiteral("color: #d00000; font-weight: bold;"));
    place(windowWarningLabel, 180, 6975, 7600, 330);

    blinkTimer = new QTimer(this);
    blinkTimer->setObjectName(QStringLiteral("blinkTimer"));
    blinkTimer->setInterval(kBlinkIntervalMs);

    connect(printerBox, &QComboBox::activated, this, [this] { printerChosen(); });
    connect(printerPropertiesButton, &QPushButton::clicked, this,
            &PrintDialog::onPrinterPropertiesClicked);
    connect(printButton, &QPushButton::clicked, this, [this] { onPrintClicked(); });
    connect(cancelButton, &QPushButton::clicked, this, &PrintDialog::onCancelClicked);
    connect(blinkTimer, &QTimer::timeout, this, &PrintDialog::blinkTick);
}

void PrintDialog::load() {
    printerBox->addItems(printers_.deviceNames());
    printerBox->setCurrentText(printers_.currentName());
    printfill::FormState form = readForm();
    printfill::loadDefaults(form, state_.print);
    showForm(form);
    fillFromRecord();
}

printfill::FormState PrintDialog::readForm() const {
    printfill::FormState form = form_;
    for (int i = 0; i < printfill::kBoxCount; ++i)
        form.boxes[size_t(i)] = dataBoxes[size_t(i)]->text();
    form.club = clubStationCheck->isChecked();
    form.appDate = applicationDateDisplay->text();
    form.printDate = printApplicationDateCheck->isChecked();
    form.registeredMail = registeredMailCheck->isChecked();
    for (int i = 0; i < printfill::kDocumentCount; ++i)
        form.docs[size_t(i)] = documentChecks[size_t(i)]->isChecked();
    feeFrame->read(form);
    return form;
}

void PrintDialog::showForm(const printfill::FormState& form) {
    form_ = form;
    for (int i = 0; i < printfill::kBoxCount; ++i) {
        if (dataBoxes[size_t(i)]->text() != form.boxes[size_t(i)])
            dataBoxes[size_t(i)]->setText(form.boxes[size_t(i)]);
    }
    clubStationCheck->setChecked(form.club);
    showApplicationDate(form.appDate);
    printApplicationDateCheck->setChecked(form.printDate);
    registeredMailCheck->setChecked(form.registeredMail);
    for (int i = 0; i < printfill::kDocumentCount; ++i)
        documentChecks[size_t(i)]->setChecked(form.docs[size_t(i)]);
    feeFrame->show(form);
}

void PrintDialog::showApplicationDate(const QString& date) {
    // The box makes the date its accessible description.
    applicationDateDisplay->setText(date);
}

void PrintDialog::fillFromRecord() {
    const RecordStore& store = state_.store;
    const qint32 index = state_.print.PrintRecordIndex;
    record_ = index >= 1 && index <= store.Count() ? store.record(index) : StationRecord();
    printfill::FormState form = readForm();
    const int area = printfill::fillFromRecord(form, state_.print, record_, clock_.today());
    showForm(form);
    showWindowWarning();
    readBureau(qint16(area));
}

void PrintDialog::showWindowWarning() {
    windowWarningLabel->setText(renewal::outsideWindowWarning(
        renewal::windowFor(record_), ParseEraDate(applicationDateDisplay->text())));
}

void PrintDialog::readBureau(qint16 areaIndex) {
    state_.print.PrintDest.clear();
    state_.bureau = BureauValues{};
    const bureaufile::ReadOutcome outcome =
        bureaufile::readBureauFile(state_.program.path(bureaufile::fileName()), areaIndex);
    if (outcome.status == bureaufile::ReadOutcome::Status::Missing) {
        prompter_.message({bureaufile::missingMessage(), state_.program.title,
                           Prompter::Buttons::Ok, Prompter::Icon::None},
                          isVisible() ? this : parentWidget());
        return;
    }
    state_.bureau = outcome.values;
    dataBoxes[printfill::DestinationBox]->setText(outcome.values.addressee);
}

void PrintDialog::storePrintData() {
    printfill::FormState form = readForm();
    printfill::storePrintData(form, state_.print, record_);
    showForm(form);
}

void PrintDialog::stepApplicationDate(int unit, int step) {
    // A date typed but not yet finished is taken first; the step moves it.
    if (!applicationDateDisplay->takeTyped())
        return;
    if (const auto shown =
            printfill::stepApplicationDate(applicationDateDisplay->text(), unit, step)) {
        showApplicationDate(*shown);
        showWindowWarning();
    }
}

bool PrintDialog::yearsWindowBackground() const {
    return feeFrame->yearsWindowBackground();
}

void PrintDialog::prepayAnswerReleased(int index) {
    feeFrame->prepayAnswerReleased(index);
}

void PrintDialog::prepayPeriodReleased(int index) {
    feeFrame->prepayPeriodReleased(index);
}

void PrintDialog::retitleForPrinter() {
    const QString name = printerBox->currentText();
    if (printers_.select(name))
        setWindowTitle(name);
}

void PrintDialog::printerChosen() {
    retitleForPrinter();
}

void PrintDialog::onPrinterPropertiesClicked() {
    printers_.showProperties(printerBox->currentText(), this);
    retitleForPrinter();
}

bool PrintDialog::onPrintClicked() {
    // A date typed but not yet finished is what the user means to print; a refused one stays.
    if (!applicationDateDisplay->takeTyped())
        return false;
    state_.print.RegisteredMail = registeredMailCheck->isChecked() ? 1 : 0;
    for (int i = 0; i < printfill::kDocumentCount; ++i)
        state_.print.PrintDocs[size_t(i)] = documentChecks[size_t(i)]->isChecked() ? 1 : 0;
    if (!printfill::firstDocument(state_.print)) {
        blinkTimer->start();
        return false;
    }
    if (state_.print.PrintDocs[printfill::ApplicationForm] && !confirmApplicantBlank())
        return false;
    storePrintData();
    accept();
    return true;
}

bool PrintDialog::confirmApplicantBlank() {
    // Spaces alone, half- or full-width, print as nothing.
    const auto blank = [this](printfill::Box box) {
        return dataBoxes[size_t(box)]->text().trimmed().isEmpty();
    };
    // The address is blank only when both its lines are: either one prints where it belongs.
    if (!blank(printfill::ApplicantNameBox) &&
        !(blank(printfill::ApplicantAddr1Box) && blank(printfill::ApplicantAddr2Box)))
        return true;
    return prompter_.message(
               {QStringLiteral("申請者の氏名または住所が空欄です。このまま印刷しますか？"),
                state_.program.title, Prompter::Buttons::YesNo, Prompter::Icon::Warning,
                Prompter::Answer::No},
               this) == Prompter::Answer::Yes;
}

void PrintDialog::onCancelClicked() {
    reject();
}

void PrintDialog::setDocumentBackground(bool red) {
    // Off the red phase the boxes show the dialog's own face again. A button fills its
    // background from its own role (the button colour), not from the window colour.
    for (QCheckBox* box : documentChecks) {
        box->setAutoFillBackground(red);
        if (red)
            colours::setBackground(box, box->backgroundRole(), kRed);
        else
            box->setPalette(QPalette());
    }
}

void PrintDialog::blinkTick() {
    const printfill::BlinkTick tick = printfill::blinkTick(blink_);
    setDocumentBackground(tick.red);
    if (tick.stop)
        blinkTimer->stop();
}

PreviewWindow* openPrintDialog(AppState& state, Prompter& prompter, const Clock& clock,
                               PrinterCatalogue& printers, QWidget* parent) {
    PrintDialog dialog(state, prompter, clock, printers, parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    // There is one preview: it pages through the one set of print data, so a preview still
    // open from an earlier print gives way to the new one.
    if (parent) {
        for (PreviewWindow* earlier :
             parent->findChildren<PreviewWindow*>(Qt::FindDirectChildrenOnly)) {
            if (earlier->isVisible())
                earlier->close();
        }
    }
    auto* view = new PreviewWindow(state, prompter, printers, parent);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->show();
    view->showFirstDocument();
    return view;
}
