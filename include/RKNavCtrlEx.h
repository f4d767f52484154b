/// @file
/// Everything a host needs: include this one header.
#pragma once

#include "RKNavCtrlExApi.h"
#include "NavListViewEx.h"
#include "NavComboboxEx.h"
#include "NavVectorBox.h"
#include "RKNaviMenu.h"
