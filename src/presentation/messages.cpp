#include "presentation/messages.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>

namespace qelvo::ui {
namespace {
MessageHandler& messageHandler()
{
    static MessageHandler handler;
    return handler;
}
ModalHandler& modalHandler()
{
    static ModalHandler handler;
    return handler;
}
FileHandler& fileHandler()
{
    static FileHandler handler;
    return handler;
}
}  // namespace

QString chooseFile(QWidget* parent, const FileRequest& request)
{
    if (fileHandler()) return fileHandler()(parent, request);
    return request.save ? QFileDialog::getSaveFileName(parent, request.title, request.path, request.filter)
                        : QFileDialog::getOpenFileName(parent, request.title, request.path, request.filter);
}

void showMessage(QWidget* parent, const QString& text, const QString& caption)
{
    const Message message{text, caption.isEmpty() ? kProgramTitle : caption};
    if (messageHandler()) {
        messageHandler()(parent, message);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, message.caption, message.text, QMessageBox::Ok, parent);
    box.exec();
}

QDialogButtonBox* okCancelButtons(QDialog* dialog, std::function<void()> onOk)
{
    auto* buttons = new QDialogButtonBox(dialog);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    if (onOk) QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, std::move(onOk));
    else QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

int execModal(QDialog& dialog)
{
    if (modalHandler()) return modalHandler()(dialog);
    return dialog.exec();
}

MessageHandler setMessageHandler(MessageHandler handler) { return std::exchange(messageHandler(), std::move(handler)); }

ModalHandler setModalHandler(ModalHandler handler) { return std::exchange(modalHandler(), std::move(handler)); }

FileHandler setFileHandler(FileHandler handler) { return std::exchange(fileHandler(), std::move(handler)); }

}  // namespace qelvo::ui
