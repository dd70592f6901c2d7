// Pinloom: writes Quartus projects for the maker's development boards.
#include <exception>

#include "app/UnitMain.h"
#include "platform/Forms.h"

int main(int argc, char** argv)
{
    TApplication application(argc, argv);
    try {
        application.CreateMainForm([] { return new TFormMain(nullptr); });
        application.Run();
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("");
    }
    return 0;
}
