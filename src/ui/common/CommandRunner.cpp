#include "ui/common/CommandRunner.h"

#include "matrix/KalvoError.h"
#include "ui/common/ModalHost.h"
#include "storage/ModelFiles.h"

#include <exception>

bool RunGuarded(QWidget *parent, const std::function<void()> &command)
{
    QString message;
    try {
        command();
        return true;
    } catch (const EKalvoError &e) {
        message = e.message();
    } catch (const std::bad_alloc &) {
        message = OutOfMemoryMessage();
    } catch (const std::exception &e) {
        message = QString::fromLocal8Bit(e.what());
    }
    TModalHost::Message(parent, QStringLiteral("Kalvo"), message, QMessageBox::Ok, QMessageBox::Ok,
                        QMessageBox::Critical);
    return false;
}
