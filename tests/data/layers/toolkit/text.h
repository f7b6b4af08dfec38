#pragma once
// The lowest layer of a tree that breaks the layers: the check must refuse it.
