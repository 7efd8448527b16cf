// Stand-ins for the parts of the shell the browser model refers to but the address fuzzer never
// reaches (the context, the web view): linking the real ones would mean building the whole shell.
#include "appcontext.h"
#include "webviewstore.h"

AppContext *AppContext::current()
{
    return nullptr;
}

const QMetaObject WebViewStore::staticMetaObject = {};

bool WebViewStore::load(const QUrl &)
{
    return false;
}
