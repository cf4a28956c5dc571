#include "app/program.h"

#include "i18n/message_texts.h"
#include "mainwindow/form1.h"
#include "platform/application.h"

int RunProgram(const Platform& platform) {
    // The message texts outlive every window.
    MessageTexts texts;
    TApplication application(platform);
    try {
        application.SetTitle("Sorvanto");
        application.CreateForm<TForm1>(texts);
        application.Run();
    } catch (const std::exception& e) {
        application.ShowException(e);
    }
    return 0;
}
