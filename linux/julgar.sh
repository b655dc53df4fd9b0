#!/bin/bash
# What Debian's tools say of the package built in /construcao, run in the
# root of the release it was built for (linux/portoes.sh): lintian with
# every tag shown, the desktop entries, the icons (lintian checks their
# sizes, not the PNG itself) and the metainfo. Each judge runs; the status
# says whether any failed.
set -o pipefail
cd /construcao || exit 1
falhou=0
lintian --pedantic --display-info --fail-on error,warning,pedantic tabuleiro2_*.changes | tee lintian.txt || falhou=1
dpkg-deb -x tabuleiro2_*_"$(dpkg --print-architecture)".deb arvore || exit 1
desktop-file-validate arvore/usr/share/applications/*.desktop || falhou=1
identify -regard-warnings arvore/usr/share/icons/hicolor/*/apps/*.png >/dev/null || falhou=1
# AppStream before 1.0 (Debian 12's) does not know <developer>, which 1.0
# asks for in place of <developer_name>: that one finding is excused there.
appstreamcli validate-tree --no-net --strict arvore >appstream.txt ||
    ! grep -E "^[EWI]: " appstream.txt | grep -v -E ":[0-9]+: unknown-tag developer$" || falhou=1
cat appstream.txt
exit $falhou
