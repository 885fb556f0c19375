#pragma once
// Without TZ the C library checks /etc/localtime again at every conversion to local time (the
// archive library converts every entry's time: tens of thousands in one restore). Named, the
// same zone is read once; Qt reads ":/etc/localtime" as the system zone too. A TZ the user
// set, even empty, is kept.

#include <QtGlobal>

inline void CasovePasmoRaz()
{
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
}
