#include <QApplication>
#include <QKeyEvent>
#include <memory>

#include "platform/Forms.h"
#include "platform/qt/FormWidgets.h"
#include "platform/qt/QtBackend.h"

void SetApplicationMainForm(TForm* form);
void SetApplicationQuitting(bool quitting);
bool IsApplicationQuitting();

namespace {

// The application object catches what escapes an event, as a last resort
// behind the handlers' own catching.
class PinloomApplication : public QApplication {
public:
    PinloomApplication(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const auto* key = static_cast<const QKeyEvent*>(event);
            if (key->key() == Qt::Key_Control && !key->isAutoRepeat())
                ApplicationControlKeys().Note(event->type() == QEvent::KeyPress, key->nativeVirtualKey());
        }
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            ShowException(e.what());
        } catch (...) {
            ShowException("");
        }
        return false;
    }
};

}  // namespace

struct TApplication::Impl {
    std::unique_ptr<PinloomApplication> application;
    QtSeamBackend backend;
    std::unique_ptr<TForm> mainForm;
};

TApplication::TApplication(int& argc, char** argv) : m_Impl(std::make_unique<Impl>())
{
    m_Impl->application = std::make_unique<PinloomApplication>(argc, argv);
    m_Impl->application->setQuitOnLastWindowClosed(false);
    seam::Install(&m_Impl->backend);
    SetApplicationQuitting(false);
}

TApplication::~TApplication()
{
    // The main form goes while the backend and Qt are still there: its
    // destruction may save settings and show boxes.
    RunHandler([this] { m_Impl->mainForm.reset(); });
    SetApplicationMainForm(nullptr);
    seam::Install(nullptr);
    m_Impl->application.reset();
}

void TApplication::CreateMainForm(const std::function<TForm*()>& create)
{
    m_Impl->mainForm.reset(create());
    SetApplicationMainForm(m_Impl->mainForm.get());
}

int TApplication::Run()
{
    TForm* main = m_Impl->mainForm.get();
    if (!main || IsApplicationQuitting()) return 0;
    main->Show();
    return QApplication::exec();
}
