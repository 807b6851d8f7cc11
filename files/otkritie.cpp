#include "files/otkritie.h"

#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "widgets/dialog_controls.h"
#include "widgets/file_filter.h"
#include "widgets/prompter.h"
#include "widgets/up_down.h"
#include "widgets/window_look.h"
#include "files/open_messages.h"

namespace verstak {
namespace {

std::filesystem::path FilePath(const QLineEdit& field) {
  return std::filesystem::path(QFile::encodeName(field.text()).toStdString());
}

}  // namespace

OpenDialog::OpenDialog(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
  SetUpDialogFrame(*this, QStringLiteral("Form3"), QStringLiteral("Открыть..."), QSize(490, 248), ScreenColour::Teal);
  CreateNewPuzzleGroup();
  CreateSavedPuzzleGroup();
  QPushButton* ok = AddPushButton(*this, "Button1", QStringLiteral("ОК"), {150, 212, 91, 20});
  // Enter in any field confirms.
  ok->setDefault(true);
  QPushButton* cancel = AddPushButton(*this, "Button5", QStringLiteral("Отмена"), {252, 212, 92, 20});
  connect(ok, &QPushButton::clicked, this, &OpenDialog::Ok);
  connect(cancel, &QPushButton::clicked, this, &OpenDialog::reject);
}

void OpenDialog::CreateNewPuzzleGroup() {
  QGroupBox* group = AddGroupBox(*this, "GroupBox1", QStringLiteral(" Файлы для нового кроссворда ... "),
                                 {10, 13, 470, 113}, ScreenColour::Yellow, true);
  AddLabel(*group, "Label3", QStringLiteral("Номер кроссворда в файле сетки и определений ..."), {55, 29},
           ScreenColour::Yellow);
  number_ = AddLineEdit(*group, "MaskEdit1", QStringLiteral("1   "), {384, 21, 39, 24});
  number_->setFont(DialogFont(true));
  // Digits between blanks only: every text the field can hold is a number or empty.
  number_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral(" *[0-9]{0,5} *")), number_));
  upDown_ = new UpDown(kMinPuzzleNumber, kMaxPuzzleNumber, group);
  upDown_->setObjectName(QStringLiteral("UpDown1"));
  upDown_->setGeometry(427, 21, 22, 24);
  connect(number_, &QLineEdit::textChanged, this, &OpenDialog::NumberFieldChanged);
  connect(upDown_, &UpDown::clicked, this, &OpenDialog::SpinnerMoved);

  AddLabel(*group, "Label1", QStringLiteral("Файл сетки..."), {63, 59}, ScreenColour::Yellow);
  gridName_ = AddLineEdit(*group, "Edit1", QString(), {154, 52, 203, 21});
  QPushButton* browseGrid = AddPushButton(*group, "Button2", QStringLiteral("Открыть..."), {367, 52, 92, 20});
  AddLabel(*group, "Label2", QStringLiteral("Файл определений..."), {20, 84}, ScreenColour::Yellow);
  definitionsName_ = AddLineEdit(*group, "Edit2", QString(), {154, 79, 203, 21});
  QPushButton* browseDefinitions = AddPushButton(*group, "Button3", QStringLiteral("Открыть..."), {367, 80, 92, 20});
  connect(browseGrid, &QPushButton::clicked, this,
          [this] { Browse(*gridName_, "Файлы сеток: *.txt|*.txt", "txt", kNoGridFileMessage); });
  connect(browseDefinitions, &QPushButton::clicked, this, [this] {
    Browse(*definitionsName_, "Файлы определений: *.txt|*.txt", "txt", kNoDefinitionsFileMessage);
  });
}

void OpenDialog::CreateSavedPuzzleGroup() {
  QGroupBox* group = AddGroupBox(*this, "GroupBox2", QStringLiteral(" Ранее сохраненный кроссворд ... "),
                                 {13, 135, 469, 62}, ScreenColour::Yellow, true);
  AddLabel(*group, "Label4", QStringLiteral("Файл кроссворда ..."), {28, 32}, ScreenColour::Yellow);
  scanwordName_ = AddLineEdit(*group, "Edit3", QString(), {154, 25, 203, 21});
  QPushButton* browse = AddPushButton(*group, "Button4", QStringLiteral("Открыть..."), {367, 24, 92, 21});
  connect(browse, &QPushButton::clicked, this,
          [this] { Browse(*scanwordName_, "Файлы сканвордов: *.skw|*.skw", "skw", kNoScanwordFileMessage); });
}

void OpenDialog::presetPuzzleNumber(int number) { number_->setText(QString::number(number)); }

// Also when the program sets the text. The spinner keeps 1..10000.
void OpenDialog::NumberFieldChanged(const QString& text) {
  const std::optional<int> number = PuzzleNumberFromText(text.toStdString());
  if (!number) return;
  upDown_->setPosition(*number);
  puzzleNumber_ = upDown_->position();
}

void OpenDialog::SpinnerMoved(int position) {
  puzzleNumber_ = position;
  number_->setText(QString::number(position));
}

// A picked file that exists goes into the field; a name that does not exist
// is reported. Either way a cancelled or refused pick leaves the field as it was.
void OpenDialog::Browse(QLineEdit& field, const char* filter, const char* defaultSuffix, std::string_view missing) {
  const QString name = prompter_.openFileName(QtFileFilter(QString::fromUtf8(filter)), QLatin1String(defaultSuffix));
  if (name.isEmpty()) return;
  const QFileInfo file(name);
  if (file.isFile()) {
    field.setText(file.absoluteFilePath());
  } else {
    prompter_.showMessage(UserMessage::Error(std::string(missing)));
  }
}

std::optional<OpenRequest> OpenDialog::AskFiles() {
  presetPuzzleNumber(LastPuzzleNumber);
  request_.reset();
  return exec() == QDialog::Accepted ? request_ : std::nullopt;
}

// A number the spinner could only bring within its range is refused; the
// dialog stays open.
void OpenDialog::Ok() {
  if (Failure failure = CheckPuzzleNumberText(number_->text().toStdString())) {
    prompter_.showMessage(*failure);
    number_->setFocus();
    return;
  }
  LastPuzzleNumber = puzzleNumber_;
  request_ = OpenRequest{{FilePath(*gridName_), FilePath(*definitionsName_), FilePath(*scanwordName_)}, puzzleNumber_};
  accept();
}

}  // namespace verstak
