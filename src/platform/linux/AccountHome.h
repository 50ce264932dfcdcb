#pragma once

#include <QString>

// The home folder the password database names for the user this process runs as; empty when
// the user has no entry there (a container's made-up user) or the entry names no home.
QString accountHomeFolder();
