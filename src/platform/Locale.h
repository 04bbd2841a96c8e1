// The user's country, as the locale settings give it.
#pragma once

#include <QString>

// ISO 3166 alpha-2 code of the user's country, lower case ("it"); empty when unknown.
QString UserCountryCode();
