"""Shared pytest configuration.

Hypothesis runs without deadlines and derandomised.

Tests marked c_layer compile and check the C headers through a driver of
their own and do not depend on the interpreter that runs them; tests/run.sh
runs them under the first interpreter only (TARSEL_SKIP_C_LAYER=1 for the
others)."""
import os

import pytest

try:
    from hypothesis import settings
except ImportError:  # hypothesis is a test requirement, but keep collection working without it
    settings = None

if settings is not None:
    # No time limits in unit tests (the machines are shared and the sanitizer
    # build is several times slower), and the same examples on every run, so
    # a failure in CI is a failure anyone can reproduce.
    settings.register_profile("tarsel", deadline=None, derandomize=True)
    settings.load_profile("tarsel")


def pytest_configure(config):
    config.addinivalue_line("markers", "c_layer: checks the C headers through a compiled driver; "
                                       "independent of the interpreter")


def pytest_collection_modifyitems(config, items):
    if os.environ.get("TARSEL_SKIP_C_LAYER") != "1":
        return
    skip = pytest.mark.skip(reason="C-layer test: tests/run.sh runs it under the first interpreter only")
    for item in items:
        if "c_layer" in item.keywords:
            item.add_marker(skip)
