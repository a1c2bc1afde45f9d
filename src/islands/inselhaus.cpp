#include "islands/inselhaus.h"

Inselhaus::Inselhaus(Insel *owner, const uchar *payload, qsizetype length)
    : VeskObject("INSELHAUS", payload, length - length % TileRecord::Size), owner_(owner)
{
}
