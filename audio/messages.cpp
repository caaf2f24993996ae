#include "messages.h"

#include <QMessageBox>

namespace {

MessagePresenter& Presenter()
{
    static MessagePresenter presenter;
    return presenter;
}

} // namespace

void ShowMessage(const QString& title, const QString& text)
{
    if (Presenter()) {
        Presenter()(title, text);
        return;
    }
    QMessageBox::about(nullptr, title, text);
}

MessagePresenter SetMessagePresenter(MessagePresenter presenter)
{
    MessagePresenter previous = std::move(Presenter());
    Presenter() = std::move(presenter);
    return previous;
}
