#include "print/printdialog.h"

#include "platform/clock.h"
#include "platform/gui/colours.h"
#include "platform/gui/fonts.h"
#include "platform/gui/printers.h"
#include "platform/gui/spinbutton.h"
#include "platform/gui/twips.h"
#include "platform/prompter.h"
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

const std::array<const char*, printfill::kBoxCount> kBoxLabels{
    "ｺｰﾙｻｲﾝ",    "免許番号",   "提出先",         "免許年月日",    "免許期限",   "クラブ局名",
    "ﾌﾘｶﾞﾅ",     "郵便番号",   "設(常)置場所１", "設(常)置場所2", "氏　    名", "フ リ ガ ナ",
    "郵便 番号", "住  所  １", "住  所  2",      "電話番号",
};

// Boxes that are always printed from the record, whatever they show.
constexpr int kFirstRecordBox = 5;

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
    const auto place = [&px](QWidget* w, double left, double top, double width, double height) {
        w->setGeometry(px(left), px(top), px(width), px(height));
    };
    const auto label = [&place](QWidget* parent, const QString& text, double left, double top,
                                double width) {
        auto* l = new QLabel(text, parent);
        place(l, left, top, width, 300);
        return l;
    };
    setFixedSize(px(11430), px(7395));

    // Frame "印刷データ": left column boxes 0..9, right column the applicant's boxes 10..15.
    auto* data = new QGroupBox(QStringLiteral("印刷データ"), this);
    place(data, 120, 60, 11190, 4020);
    QFont boxFont = font();
    boxFont.setFamily(fonts::gothic());
    for (int i = 0; i < printfill::kBoxCount; ++i) {
        const bool right = i >= 10;
        const double top = right ? 660 + (i - 10) * 360 : 300 + i * 360;
        label(data, QString::fromUtf8(kBoxLabels[size_t(i)]), right ? 5640 : 180, top + 15,
              right ? 1200 : 1320);
        auto* box = new QLineEdit(data);
        box->setObjectName(QStringLiteral("Text1_%1").arg(i));
        box->setFont(boxFont);
        place(box, right ? 6900 : 1560, top, right ? 4140 : 3600, 330);
        if (i >= kFirstRecordBox) {
            // Printed from the record whatever they show: read-only, so no one types there.
            box->setReadOnly(true);
            box->setFocusPolicy(Qt::NoFocus);
            colours::setBackground(box, QPalette::Base, colours::kButtonFace);
        }
        Text1[size_t(i)] = box;
    }
    auto* divider = new QFrame(data);
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    place(divider, 5400, 240, 60, 3700);
    label(data, QStringLiteral("申請者のデータ"), 5640, 300, 3000);

    Check4 = new QCheckBox(QStringLiteral("クラブ局"), data);
    Check4->setObjectName(QStringLiteral("Check4"));
    place(Check4, 6900, 2820, 2000, 300);

    label(data, QStringLiteral("申請日"), 5640, 3195, 1200);
    Label2 = new QLabel(data);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label2->setAutoFillBackground(true);
    colours::setBackground(Label2, QPalette::Window, colours::kWindowBackground);
    place(Label2, 6900, 3180, 2400, 330);
    const std::array<const char*, 3> units{"年", "月", "日"};
    for (int i = 0; i < 3; ++i) {
        auto* spin = new SpinButton(data);
        spin->setObjectName(QStringLiteral("UpDown1_%1").arg(i));
        place(spin, 6900 + i * 800, 3540, 255, 420);
        label(data, QString::fromUtf8(units[size_t(i)]), 7200 + i * 800, 3600, 400);
        connect(spin, &SpinButton::stepped, this, [this, i](int step) { UpDown1Click(i, step); });
        UpDown1[size_t(i)] = spin;
    }

    // Frame "電波使用料、電波法の処分履歴".
    Fee = new FeeFrame(boxFont, this);
    place(Fee, 120, 4140, 11190, 1440);
    Check5 = Fee->Check5;
    Check7 = Fee->Check7;
    Text2 = Fee->Text2;
    Check2 = Fee->Check2;

    // Frame "印刷の設定".
    auto* output = new QGroupBox(QStringLiteral("印刷の設定"), this);
    place(output, 120, 5640, 11190, 1200);
    const std::array<const char*, 3> documents{"再免許申請書", "封筒（総通宛用）長型3号",
                                               "封筒（返信用)長型3号"};
    const std::array<double, 3> documentLeft{180, 2400, 5700};
    for (int i = 0; i < printfill::kDocumentCount; ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(documents[size_t(i)]), output);
        box->setObjectName(QStringLiteral("Check1_%1").arg(i));
        place(box, documentLeft[size_t(i)], 300, 3000, 330);
        Check1[size_t(i)] = box;
    }
    label(output, QStringLiteral("プリンター"), 180, 750, 1000);
    Combo1 = new QComboBox(output);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    place(Combo1, 1200, 705, 4300, 345);
    Command1 = new QPushButton(QStringLiteral("ﾌﾟﾛﾊﾟﾃｨ"), output);
    Command1->setObjectName(QStringLiteral("Command1"));
    place(Command1, 5600, 690, 1100, 375);
    Check6 = new QCheckBox(QStringLiteral("申請日"), output);
    Check6->setObjectName(QStringLiteral("Check6"));
    place(Check6, 7000, 720, 1300, 300);
    Check3 = new QCheckBox(QStringLiteral("簡易書留(送付)"), output);
    Check3->setObjectName(QStringLiteral("Check3"));
    place(Check3, 8400, 720, 2600, 300);

    Command2 = new QPushButton(QStringLiteral("印　刷"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    place(Command2, 7920, 6930, 1500, 420);
    Command3 = new QPushButton(QStringLiteral("キャンセル"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    place(Command3, 9600, 6930, 1500, 420);
    Command2->setAutoDefault(false);
    Command3->setAutoDefault(false);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setStyleSheet(QStringLiteral("color: #d00000; font-weight: bold;"));
    place(Label3, 180, 6975, 7600, 330);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kBlinkIntervalMs);

    connect(Combo1, &QComboBox::activated, this, [this] { Combo1Click(); });
    connect(Command1, &QPushButton::clicked, this, &PrintDialog::Command1Click);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2Click(); });
    connect(Command3, &QPushButton::clicked, this, &PrintDialog::Command3Click);
    connect(Timer1, &QTimer::timeout, this, &PrintDialog::Timer1Timer);
}

void PrintDialog::load() {
    Combo1->addItems(printers_.deviceNames());
    Combo1->setCurrentText(printers_.currentName());
    printfill::FormState form = readForm();
    printfill::loadDefaults(form, state_.print);
    showForm(form);
    FillFromRecord();
}

printfill::FormState PrintDialog::readForm() const {
    printfill::FormState form = form_;
    for (int i = 0; i < printfill::kBoxCount; ++i)
        form.boxes[size_t(i)] = Text1[size_t(i)]->text();
    form.club = Check4->isChecked();
    form.appDate = Label2->text();
    form.printDate = Check6->isChecked();
    form.registeredMail = Check3->isChecked();
    for (int i = 0; i < printfill::kDocumentCount; ++i)
        form.docs[size_t(i)] = Check1[size_t(i)]->isChecked();
    Fee->read(form);
    return form;
}

void PrintDialog::showForm(const printfill::FormState& form) {
    form_ = form;
    for (int i = 0; i < printfill::kBoxCount; ++i) {
        if (Text1[size_t(i)]->text() != form.boxes[size_t(i)])
            Text1[size_t(i)]->setText(form.boxes[size_t(i)]);
    }
    Check4->setChecked(form.club);
    Label2->setText(form.appDate);
    Check6->setChecked(form.printDate);
    Check3->setChecked(form.registeredMail);
    for (int i = 0; i < printfill::kDocumentCount; ++i)
        Check1[size_t(i)]->setChecked(form.docs[size_t(i)]);
    Fee->show(form);
}

void PrintDialog::FillFromRecord() {
    const RecordStore& store = state_.store;
    const qint32 index = state_.print.PrintRecordIndex;
    record_ = index >= 1 && index <= store.Count() ? store.record(index) : StationRecord();
    printfill::FormState form = readForm();
    const int area = printfill::FillFromRecord(form, state_.print, record_, clock_.today());
    showForm(form);
    showWindowWarning();
    readBureau(qint16(area));
}

void PrintDialog::showWindowWarning() {
    Label3->setText(
        renewal::outsideWindowWarning(renewal::windowFor(record_), ParseEraDate(Label2->text())));
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
    Text1[printfill::DestinationBox]->setText(outcome.values.addressee);
}

void PrintDialog::StorePrintData() {
    printfill::FormState form = readForm();
    printfill::StorePrintData(form, state_.print, record_);
    showForm(form);
}

void PrintDialog::UpDown1Click(int index, int step) {
    if (const auto shown = printfill::stepApplicationDate(Label2->text(), index, step)) {
        Label2->setText(*shown);
        showWindowWarning();
    }
}

bool PrintDialog::yearsWindowBackground() const {
    return Fee->yearsWindowBackground();
}

void PrintDialog::Check5MouseUp(int index) {
    Fee->Check5MouseUp(index);
}

void PrintDialog::Check7MouseUp(int index) {
    Fee->Check7MouseUp(index);
}

void PrintDialog::retitleForPrinter() {
    const QString name = Combo1->currentText();
    if (printers_.select(name))
        setWindowTitle(name);
}

void PrintDialog::Combo1Click() {
    retitleForPrinter();
}

void PrintDialog::Command1Click() {
    printers_.showProperties(Combo1->currentText(), this);
    retitleForPrinter();
}

bool PrintDialog::Command2Click() {
    state_.print.RegisteredMail = Check3->isChecked() ? 1 : 0;
    for (int i = 0; i < printfill::kDocumentCount; ++i)
        state_.print.PrintDocs[size_t(i)] = Check1[size_t(i)]->isChecked() ? 1 : 0;
    if (!printfill::firstDocument(state_.print)) {
        Timer1->start();
        return false;
    }
    StorePrintData();
    accept();
    return true;
}

void PrintDialog::Command3Click() {
    reject();
}

void PrintDialog::setDocumentBackground(bool red) {
    // Off the red phase the boxes show the dialog's own face again. A button fills its
    // background from its own role (the button colour), not from the window colour.
    for (QCheckBox* box : Check1) {
        box->setAutoFillBackground(red);
        if (red)
            colours::setBackground(box, box->backgroundRole(), kRed);
        else
            box->setPalette(QPalette());
    }
}

void PrintDialog::Timer1Timer() {
    const printfill::BlinkTick tick = printfill::blinkTick(blink_);
    setDocumentBackground(tick.red);
    if (tick.stop)
        Timer1->stop();
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
