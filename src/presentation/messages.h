// Seams for everything modal a page does: message boxes and modal windows.
//
// Pages never call QMessageBox or QDialog::exec directly. In the program these show real
// modal windows; tests install handlers that record the message or drive the window.
#pragma once

#include <QString>
#include <functional>

class QDialog;
class QDialogButtonBox;
class QWidget;

namespace qelvo::ui {

// The program's title, the caption of every message box unless a message names its own.
inline const QString kProgramTitle = QStringLiteral("Qelvo环评计算");

// The standard requests for a number, shown when a field's text is not one.
inline const QString kNotANumber = QStringLiteral("请输入一个数字。");
inline const QString kNotAnInteger = QStringLiteral("请输入一个整数。");

struct Message {
    QString text;
    QString caption;
};

using MessageHandler = std::function<void(QWidget* parent, const Message&)>;
using ModalHandler = std::function<int(QDialog&)>;

// A modal box with one OK button; an empty caption means the program's title.
void showMessage(QWidget* parent, const QString& text, const QString& caption = {});

// Runs a modal window and returns its result code.
int execModal(QDialog& dialog);

// The file dialogs: a chosen path, or empty when the user cancelled. `filter` as Qt writes
// it ("Excel文件(*.xlsx);;所有文件(*)"). Saving asks before replacing an existing file.
struct FileRequest {
    QString title;
    QString path;  // the proposed file or folder
    QString filter;
    bool save = false;
};
using FileHandler = std::function<QString(QWidget* parent, const FileRequest&)>;
QString chooseFile(QWidget* parent, const FileRequest& request);

// "确定" / "取消" for a modal window: accept and reject, unless `onOk` decides to accept.
QDialogButtonBox* okCancelButtons(QDialog* dialog, std::function<void()> onOk = {});

// Each returns the handler it replaces; an empty handler restores the real behaviour.
MessageHandler setMessageHandler(MessageHandler handler);
ModalHandler setModalHandler(ModalHandler handler);
FileHandler setFileHandler(FileHandler handler);

}  // namespace qelvo::ui
