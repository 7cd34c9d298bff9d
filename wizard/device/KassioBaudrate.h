#pragma once
// Bits per second and the component's BaudRate codes, both ways. An unknown
// rate gives code 6, an unknown code 115200.

class TKassioBaudrate
{
public:
    static int BaudrateToCode(int ABaudrate);
    static int CodeToBaudrate(int ACode);
};
