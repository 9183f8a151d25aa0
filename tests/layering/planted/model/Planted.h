// A core header that breaks the layering: the check must find it.
#pragma once

#include <QWidget>
