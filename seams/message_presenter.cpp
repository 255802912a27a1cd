#include "seams/message_presenter.h"

#include <cstdio>

MsgAnswer StderrPresenter::Present(const MessageBoxRequest& request)
{
    std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
    return request.defaultButton;
}
