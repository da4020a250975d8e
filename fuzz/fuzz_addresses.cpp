// Pasted or dropped text with addresses, and the command line's --items.
#include "FuzzInput.h"

#include "engine/AddressText.h"
#include "engine/Playlist.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzzText(data, size);
    (void)addressesFromText(text);
    (void)nonAddressLines(text);
    (void)firstWebAddress(text);
    if (Playlist::isValidItems(text))
        (void)Playlist::pickItems(text, 500);
    return 0;
}
