"""Shared pytest configuration.

Tests marked c_layer compile and check the C headers through a driver of
their own and do not depend on the interpreter that runs them; tests/run.sh
runs them under the first interpreter only (TARSEL_SKIP_C_LAYER=1 for the
others)."""
import os

import pytest


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
