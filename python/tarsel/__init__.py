"""tarsel: 128-bit double-double arithmetic module"""
# Every name lives in the compiled module tarsel._core and is re-exported
# here; the pure-Python parts are submodules (tarsel.dask).
from tarsel._core import *  # noqa: F401,F403
from tarsel._core import __doc__, __version__, _array_functions  # noqa: F401
