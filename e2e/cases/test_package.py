"""Desktop integration: the install rules and the Debian package, and the
installed program starting from a throw-away root."""

import glob
import os
import shutil
import subprocess
import tempfile

import harness


def _build_dir(binary):
    return os.path.dirname(os.path.abspath(binary))


def _run(*args, **kwargs):
    done = subprocess.run(list(args), capture_output=True, text=True, timeout=300, **kwargs)
    assert done.returncode == 0, "%s failed: %s%s" % (" ".join(args), done.stdout, done.stderr)
    return done.stdout


def _expect_installed_layout(root):
    icons = ["share/icons/hicolor/%dx%d/apps/zolvenar.png" % (size, size) for size in (32, 48, 64, 128)]
    for path in ["bin/zolvenar", "share/applications/zolvenar.desktop", "share/icons/hicolor/scalable/apps/zolvenar.svg",
                 "share/metainfo/org.zolvenar.zolvenar.metainfo.xml", "share/man/man1/zolvenar.1.gz"] + icons:
        assert os.path.exists(os.path.join(root, path)), "missing %s under %s" % (path, root)
    with open(os.path.join(root, "share/applications/zolvenar.desktop")) as entry:
        text = entry.read()
    for line in ("Name=Zolvenar", "Exec=zolvenar", "Icon=zolvenar", "Type=Application"):
        assert line in text.splitlines(), "desktop entry lacks %r" % line
    assert "Categories=Utility;" in text, "desktop entry is not in the Utility category"


def _starts_and_closes(binary):
    with harness.Session(binary) as s:
        s.find_window()
        s.close()
        code = s.wait_exit(15)
        assert code == 0, "installed program exited with %d: %s" % (code, s.stderr())


def test_install_puts_binary_entry_and_icon_under_the_prefix(binary):
    prefix = tempfile.mkdtemp(prefix="zolvenar-prefix-")
    try:
        _run("cmake", "--install", _build_dir(binary), "--prefix", prefix)
        _expect_installed_layout(prefix)
        _starts_and_closes(os.path.join(prefix, "bin/zolvenar"))
    finally:
        shutil.rmtree(prefix, ignore_errors=True)


def test_debian_package_depends_on_qt_runtime_and_runs_from_its_files(binary):
    work = tempfile.mkdtemp(prefix="zolvenar-deb-")
    try:
        _run("cpack", "-G", "DEB", "-B", work, "--config", os.path.join(_build_dir(binary), "CPackConfig.cmake"))
        packages = glob.glob(os.path.join(work, "zolvenar_*.deb"))
        assert len(packages) == 1, "expected one package, found %r" % packages
        package = packages[0]
        depends = _run("dpkg-deb", "-f", package, "Depends")
        for runtime in ("libqt6core6", "libqt6gui6", "libqt6widgets6", "qt6-qpa-plugins"):
            assert runtime in depends, "package does not depend on %s: %s" % (runtime, depends)
        # apt resolves every dependency without installing anything.
        if os.geteuid() == 0:
            _run("apt-get", "install", "--simulate", "-qq", package)
        root = os.path.join(work, "root")
        _run("dpkg-deb", "-x", package, root)
        _expect_installed_layout(os.path.join(root, "usr"))
        _starts_and_closes(os.path.join(root, "usr/bin/zolvenar"))
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    harness.main(globals())
