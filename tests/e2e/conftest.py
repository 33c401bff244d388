import os
import shutil
import sys
import tempfile

import pytest

sys.path.insert(0, os.path.dirname(__file__))

from desktop import Desktop  # noqa: E402
from driver import LinuxDriver  # noqa: E402
from wine_driver import Wine, WineDesktop, WineDriver  # noqa: E402


def pytest_addoption(parser):
    parser.addoption("--program", default=os.environ.get("TEXTMEND_PROGRAM"),
                     help="the program to test (default: $TEXTMEND_PROGRAM)")
    parser.addoption("--platform", choices=["linux", "wine"],
                     default=os.environ.get("TEXTMEND_E2E_PLATFORM", "linux"),
                     help="linux: the Qt program; wine: textmend.exe under Wine")


def pytest_collection_modifyitems(config, items):
    if config.getoption("--platform") != "wine":
        return
    # Wine keeps a notification area of its own ("Wine System Tray") whenever the
    # desktop has none; test_wine.py covers the Windows program there.
    own_area = pytest.mark.skip(reason="Wine always has a notification area of its own")
    x11_layouts = pytest.mark.skip(reason="the X server's keyboard layouts are the Linux program's")
    for item in items:
        if item.cls is not None and item.cls.__name__ == "TestWithoutNotificationArea":
            item.add_marker(own_area)
        if item.cls is not None and item.cls.__name__ == "TestTwoLayouts":
            item.add_marker(x11_layouts)


@pytest.fixture(scope="session")
def desktop(request):
    wine = request.config.getoption("--platform") == "wine"
    screen = (WineDesktop() if wine else Desktop()).start()
    yield screen
    screen.stop()


@pytest.fixture
def linux_program(program):
    """The program, when it is the Linux one: X11 clipboard owners and readers."""
    if not isinstance(program, LinuxDriver):
        pytest.skip("X11 clipboard owners")
    return program


@pytest.fixture
def desktop_with_tray(desktop):
    desktop.start_tray()
    return desktop


@pytest.fixture(scope="session")
def wine(desktop):
    """The Wine prefix of the run ($TEXTMEND_WINE_PREFIX), its server kept running."""
    server = Wine(desktop, os.environ.get("TEXTMEND_WINE_PREFIX", "build-windows/e2e-prefix"))
    yield server.start()
    server.stop()


@pytest.fixture
def program(request, desktop_with_tray):
    """A driver for a program not yet started, with a settings store of its own."""
    path = request.config.getoption("--program")
    if not path or not os.access(path, os.X_OK):
        pytest.fail("no program to test: pass --program or set TEXTMEND_PROGRAM")
    workdir = tempfile.mkdtemp(prefix="textmend-case-")
    if request.config.getoption("--platform") == "wine":
        driver = WineDriver(desktop_with_tray, workdir, os.path.abspath(path),
                            request.getfixturevalue("wine"),
                            os.environ.get("TEXTMEND_WINE_HELPER"),
                            os.environ.get("TEXTMEND_WINE_HOTKEY_HOLDER"))
    else:
        driver = LinuxDriver(desktop_with_tray, workdir, os.path.abspath(path))
    yield driver
    driver.kill()
    errors = driver.program_errors()
    shutil.rmtree(workdir, ignore_errors=True)
    if errors:
        pytest.fail("the program reported errors:\n" + errors)
