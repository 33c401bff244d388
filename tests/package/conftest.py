"""The packages' own tests: the Debian package's programs run from its
extracted files, the Windows installer under Wine. They drive the programs with
the end-to-end suite's desktop and drivers (tests/e2e)."""

import os
import shutil
import sys
import tempfile

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "e2e"))

from desktop import Desktop  # noqa: E402
from wine_driver import Wine, WineDesktop  # noqa: E402


def pytest_addoption(parser):
    parser.addoption("--version-expected", required=True, help="the project's version")
    parser.addoption("--deb-root", required=True,
                     help="the .deb's files, extracted with dpkg-deb -x")
    parser.addoption("--autostart-tool", required=True,
                     help="xdg_autostart_tool of the Linux build")
    parser.addoption("--installer", required=True, help="textmend-<version>-setup.exe")
    parser.addoption("--zip", required=True, help="textmend-<version>-win64.zip")
    parser.addoption("--wine-helper", required=True,
                     help="win32_tray_helper.exe of the Windows build (reads the settings)")
    parser.addoption("--wine-prefix", required=True,
                     help="a Wine prefix made by scripts/wine-run.sh --setup")


@pytest.fixture(scope="session")
def option(request):
    return request.config.getoption


@pytest.fixture
def workdir():
    folder = tempfile.mkdtemp(prefix="textmend-package-")
    yield folder
    shutil.rmtree(folder, ignore_errors=True)


@pytest.fixture(scope="module")
def linux_desktop():
    screen = Desktop().start()
    yield screen
    screen.stop()


@pytest.fixture(scope="module")
def wine_desktop():
    screen = WineDesktop().start()
    yield screen
    screen.stop()


@pytest.fixture(scope="module")
def wine(wine_desktop, option):
    server = Wine(wine_desktop, option("--wine-prefix"))
    # Shortcuts the installer makes must not become menu entries of the host.
    server.env["WINEDLLOVERRIDES"] += ";winemenubuilder.exe=d"
    yield server.start()
    server.stop()
