#pragma once

#include <QtGlobal>

#include <chrono>

// How long and how much one transfer may take, fitted to what it fetches: a
// server that trickles a byte at a time or sends without end must not keep
// an install going, fill the memory or fill the temporary folder.
struct TransferLimits
{
    std::chrono::milliseconds idle;     // no byte for this long ends it
    std::chrono::milliseconds deadline; // it ends after this long in any case
    qint64 maxBytes;                    // a body larger than this ends it

    // A tool: tens of megabytes, over a slow line too.
    static TransferLimits forTool();
    // A sums file or a release lookup: a few kilobytes, 10 s per request.
    static TransferLimits forDocument();

    // No byte for this long ends a transfer: 30 s, or REELIX_IDLE_LIMIT_MS.
    static std::chrono::milliseconds idleLimit();
    // The largest tool download, and the largest file unpacked from an
    // archive: 1 GiB, or REELIX_TOOL_SIZE_LIMIT bytes.
    static qint64 toolBytes();
};
