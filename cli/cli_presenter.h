// Message boxes as a terminal shows them: errors on standard error as
// "Error: <text>", information on standard output, questions answered by --yes
// or by the user at the terminal.
#pragma once

#include "seams/message_presenter.h"

#include <cstdio>

class CliPresenter : public IMessagePresenter {
public:
    CliPresenter(bool assumeYes, std::FILE* in, std::FILE* out, std::FILE* err);
    MsgAnswer Present(const MessageBoxRequest& request) override;
    // How many errors were shown.
    int Errors() const { return m_errors; }

private:
    MsgAnswer Ask(const MessageBoxRequest& request);
    bool m_assumeYes;
    std::FILE* m_in;
    std::FILE* m_out;
    std::FILE* m_err;
    int m_errors = 0;
};
