// The hint panel and the home-page link of the About tab.
#include "mainwindow/form1.h"

#include "platform/application.h"
#include "platform/label.h"

void TForm1::DisplayHint(TObject* /*sender*/) {
    FindAs<TLabel>(*this, "LabelHint").SetCaption(GetLongHint(Application().Hint()));
}

void TForm1::WebPageLabelClick(TObject* /*sender*/) {
    Application().Services().shell.Open(this, FindAs<TLabel>(*this, "WebPageLabel").Caption());
}
