// SPDX-License-Identifier: GPL-3.0-or-later
#include "CEngineThreadsSetting.h"

#include <QSettings>
#include <QString>

#include "SIM/model/CModelLimits.h"

namespace {
const QString kKey = QStringLiteral("engine/threads");
}

int engineThreadsSetting::stored()
{
    bool number = false;
    const int threads = QSettings().value(kKey).toInt(&number);
    if (!number || threads < 1 || threads > modelLimits::kMaxEngineThreads) return modelLimits::kAutomaticThreads;
    return threads;
}

void engineThreadsSetting::store(int threads)
{
    QSettings settings;
    if (threads == modelLimits::kAutomaticThreads) settings.remove(kKey);
    else settings.setValue(kKey, threads);
}
