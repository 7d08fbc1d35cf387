#include "platform/FontConfigAhead.h"

#include <fontconfig/fontconfig.h>

FontConfigAhead::FontConfigAhead()
    : loading([] { FcInit(); })
{
}

FontConfigAhead::~FontConfigAhead()
{
    finish();
}

void FontConfigAhead::finish()
{
    if (loading.joinable())
        loading.join();
}
