#include "DownloadManager.h"
QCoro::Task<> DownloadManager::fetchInfo(DownloadItem *) { co_return; }
QCoro::Task<> DownloadManager::startDownload(DownloadItem *) { co_return; }
QCoro::Task<> DownloadManager::convertToQuickTime(DownloadItem *) { co_return; }
