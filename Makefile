# The two commands people need: `make play` and `make test`; then one
# target per port. Each installs the Debian packages it needs that are
# missing (with sudo when you are not root), configures and builds; the
# packages of every tree are listed together first.

BUILD  := build
JOBS   := $(shell nproc 2>/dev/null || echo 2)
SUDO   := $(if $(filter 0,$(shell id -u)),,sudo)

# Installs the packages of $(1) that are not installed yet.
instalar = @faltam=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || faltam="$$faltam $$p"; \
	done; \
	if [ -n "$$faltam" ]; then \
	  echo "Installing:$$faltam"; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$faltam; \
	fi

# The game and its art: all that `make play` installs (dpkg-dev for
# dpkg-parsechangelog, which dates the release). A tree's tests set
# PACOTES_ALEM to the packages they need besides, and the native tree's
# TESTES to -DBUILD_TESTING=ON.
PACOTES_JOGO := cmake g++ make pkgconf liballegro4-dev libpng-dev dpkg-dev
PACOTES_E2E  := xvfb xdotool x11-apps imagemagick
PACOTES_TESTES := libgtest-dev $(PACOTES_E2E)
PACOTES_ALEM   :=
TESTES         :=
# The Debian packages (`make deb`; debian/control's Build-Depends come with
# apt-get build-dep), and the roots the archive's gates and the other
# release's tree run in (unshare maps root through /etc/subuid).
PACOTES_DEB     := dpkg-dev git
PACOTES_RAIZES  := mmdebstrap autopkgtest piuparts uidmap
# The sanitized tree: clang and its sanitizer runtimes.
PACOTES_SANITIZADO := clang libclang-rt-dev $(PACOTES_TESTES)
# Windows: the cross compiler and the zip; Wine and its X tools for the tests.
PACOTES_WINDOWS        := g++-mingw-w64-x86-64 patch zip imagemagick
PACOTES_TESTES_WINDOWS := wine wine64 unzip x11-utils $(PACOTES_E2E)
# The web: emscripten and the zip; for the tests the three engines (WebKit asks
# for its locale), and npm for puppeteer.
PACOTES_WEB        := emscripten python3 zip terser
PACOTES_TESTES_WEB := chromium firefox-esr webkit2gtk-driver locales $(if $(shell command -v npm),,npm) $(PACOTES_E2E)
# The benchmarks: Google Benchmark, and Xvfb for the first frame.
PACOTES_BENCH := libbenchmark-dev xvfb
# The reproducible tree: a clock and a folder order of its own, and
# diffoscope to show a difference.
PACOTES_REPRODUCAO := faketime disorderfs diffoscope-minimal git
# What `make test` installs: every tree's packages.
PACOTES_TODOS := $(PACOTES_TESTES) $(PACOTES_DEB) $(PACOTES_RAIZES) $(PACOTES_SANITIZADO) \
	$(PACOTES_WINDOWS) $(PACOTES_TESTES_WINDOWS) $(PACOTES_WEB) $(PACOTES_TESTES_WEB) $(PACOTES_REPRODUCAO)

.PHONY: play build test

# The game in build/data, where the build puts the images and the boards;
# `make play BOARD=data/boards/campo.map` plays another board.
play: build
	$(BUILD)/jogar $(BOARD)

build:
	$(call instalar,$(PACOTES_JOGO) $(PACOTES_ALEM))
	cmake -S . -B $(BUILD) $(TESTES)
	cmake --build $(BUILD) -j $(JOBS)

# Every tree's tests, native first; the first tree that fails ends the run.
# The last two make roots of Debian releases: in such a root (NA_RAIZ) they
# do not run, for a root never makes another.
ARVORES := nativa sanitizada windows web reprodutivel $(if $(NA_RAIZ),,debian outra-versao)
test:
	$(call instalar,$(PACOTES_JOGO) $(PACOTES_TODOS))
	@for arvore in $(ARVORES); do \
	  inicio=$$(date +%s); \
	  $(MAKE) --no-print-directory testar-$$arvore || \
	    { echo "make test: the $$arvore tree failed (make testar-$$arvore); the trees after it were not run" >&2; exit 1; }; \
	  echo "make test: the $$arvore tree passed in $$(($$(date +%s) - inicio)) s"; \
	done

# The native tree: the unit tests first, then the real programs in real
# windows and the installed tree.
.PHONY: testar-nativa
testar-nativa: PACOTES_ALEM = $(PACOTES_TESTES)
testar-nativa: TESTES = -DBUILD_TESTING=ON
testar-nativa: build
	cd $(BUILD) && ctest --output-on-failure -LE e2e && ctest --output-on-failure -L e2e

# `make deb`: the source package (debian/) and the .deb it builds, by
# dpkg-buildpackage from a copy of the tracked files in
# $(PAQUETE)/tabuleiro2-VERSION; all it writes (.dsc, .tar.xz, .changes,
# .buildinfo, .deb) lands in $(PAQUETE). The modes are set whatever the
# umask, for the source tarball keeps them.
PAQUETE := $(BUILD)/deb
.PHONY: deb
deb:
	$(call instalar,$(PACOTES_DEB))
	dpkg-checkbuilddeps 2>/dev/null || { $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y --no-install-recommends ./; }
	fonte=$(PAQUETE)/tabuleiro2-$$(dpkg-parsechangelog -S Version) && \
	  rm -rf $(PAQUETE) && mkdir -p $$fonte && \
	  git ls-files -z | tar --null -T - -cf - | tar -xf - -C $$fonte && \
	  chmod -R u=rwX,go=rX $$fonte && cd $$fonte && dpkg-buildpackage -us -uc -j$(JOBS)

# The gates Debian's archive puts a package through, for the source package
# `make deb` built, in clean roots of each release of DEBIAN (linux/portoes.sh):
# the build with the Build-Depends alone, lintian, autopkgtest, piuparts.
# `make testar-debian DEBIAN=unstable` runs them for unstable.
DEBIAN ?= bookworm trixie
.PHONY: testar-debian
testar-debian: deb
	$(call instalar,$(PACOTES_RAIZES))
	@{ grep -qs '^root:' /etc/subuid && grep -qs '^root:' /etc/subgid; } || \
	  $(SUDO) usermod --add-subuids 100000-165535 --add-subgids 100000-165535 root
	$(SUDO) linux/portoes.sh $(PAQUETE) build-debian $(DEBIAN)

# The other Debian release the game supports (13 on a Debian 12 machine, 12
# on a Debian 13 one) in a root kept in build-outra-versao/, where `make
# test` runs every tree but these last two (tests/outra_versao.sh).
.PHONY: testar-outra-versao
testar-outra-versao:
	$(call instalar,$(PACOTES_RAIZES))
	$(SUDO) tests/outra_versao.sh build-outra-versao

# The sanitized tree: clang, AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer, every test but the install and the package,
# the real game included, and the fuzz targets' kept inputs replayed.
SANITIZADO         := build-sanitizado
.PHONY: testar-sanitizada construir-sanitizado fuzz

testar-sanitizada: construir-sanitizado
	cd $(SANITIZADO) && export UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/vazamentos.supp:fast_unwind_on_malloc=0:print_suppressions=0 && \
	  ctest --output-on-failure -LE e2e && ctest --output-on-failure -L e2e -E instalacao

construir-sanitizado:
	$(call instalar,$(PACOTES_JOGO) $(PACOTES_SANITIZADO))
	cmake -S . -B $(SANITIZADO) -DCMAKE_CXX_COMPILER=clang++ -DTABULEIRO2_SANITIZAR=ON -DBUILD_TESTING=ON
	cmake --build $(SANITIZADO) -j $(JOBS)

# `make fuzz`: a minute each for the board files and the images under
# libFuzzer, from the inputs in tests/fuzz/ (which `make test` replays);
# new inputs go to $(SANITIZADO)/fuzz/, what crashes to its achados/.
FUZZ_ALVOS := tabuleiro imagem
fuzz: construir-sanitizado
	@cd $(SANITIZADO) && mkdir -p achados $(addprefix fuzz/,$(FUZZ_ALVOS)) && \
	for alvo in $(FUZZ_ALVOS); do \
	  tests/fuzz/fuzz_$$alvo -max_total_time=60 -print_final_stats=1 -artifact_prefix=achados/$$alvo- \
	    fuzz/$$alvo $(CURDIR)/tests/fuzz/$$alvo 2>&1 | grep -E '^(stat::|INFO: A corpus|==[0-9]+==|SUMMARY)'; \
	  echo "fuzz_$$alvo: $$(ls fuzz/$$alvo | wc -l) inputs of its own, $$(ls achados | grep -c "^$$alvo-") crashing in $(SANITIZADO)/achados"; \
	done

# `make bench`: the frame figures, and start to first frame in a real window.
.PHONY: bench
bench: PACOTES_ALEM = $(PACOTES_BENCH)
bench: build
	$(BUILD)/bench/bancada_quadro
	bench/primeiro_quadro.sh $(BUILD)/tabuleiro2 $(BUILD)/bench/primeiro_quadro

# Where Allegro's upstream tarball is fetched and checked, once for both
# ports (and for the reproducible tree's clones).
BAIXADOS := $(CURDIR)/build-allegro

# Windows (see windows/README.md): the game and the editor cross-built with
# mingw-w64, build-windows/tabuleiro2-<version>-win64.zip; its tests play
# the zip under Wine on a private Xvfb.
WINDOWS                := build-windows
.PHONY: windows testar-windows

windows: build
	$(call instalar,$(PACOTES_WINDOWS) $(PACOTES_ALEM))
	cmake -S windows -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/windows/mingw64.cmake \
	  -DTABULEIRO2_NATIVO=$(CURDIR)/$(BUILD) -DTABULEIRO2_BAIXADOS=$(BAIXADOS)
	cmake --build $(WINDOWS) -j $(JOBS)

testar-windows: PACOTES_ALEM = $(PACOTES_TESTES_WINDOWS)
testar-windows: windows
	cd $(WINDOWS) && ctest --output-on-failure

# The web pages (see web/README.md): the game and the editor built by
# Debian's emscripten into build-web/ and its zip; `make play-web` serves
# them on 127.0.0.1; their tests run them in the three browser engines
# players use, Debian's Chromium, Firefox and WebKit, beside the native
# programs; `ctest -L firefox` in build-web/ runs one engine's alone. emcc
# finds its acorn in NODE_PATH; npm comes with nodesource's nodejs where
# that is installed, elsewhere from Debian.
WEB                := build-web
PORTA              ?= 8000
EMCC_ENV           := NODE_PATH=/usr/share/nodejs
.PHONY: web play-web testar-web bench-web

web: build
	$(call instalar,$(PACOTES_WEB) $(PACOTES_ALEM))
	$(EMCC_ENV) emcmake cmake -S web -B $(WEB) -DTABULEIRO2_NATIVO=$(CURDIR)/$(BUILD) \
	  -DTABULEIRO2_BAIXADOS=$(BAIXADOS)
	$(EMCC_ENV) cmake --build $(WEB) -j $(JOBS)

play-web: web
	@echo "Open http://127.0.0.1:$(PORTA)/ (the game) or http://127.0.0.1:$(PORTA)/editor.html (the editor) in a browser; Ctrl+C stops the server."
	cd $(WEB) && python3 -m http.server $(PORTA) --bind 127.0.0.1

testar-web: PACOTES_ALEM = $(PACOTES_TESTES_WEB)
testar-web: web
	cmake --build $(WEB) --target testes_web
	cd $(WEB) && ctest --output-on-failure

# The page's figures in each engine: two floors (an empty page; the .wasm
# compiled and the canvas painted once), the cold and the service worker's
# first frame against both, the frame period, the bytes a cold load
# transfers raw, the largest file and the zip.
bench-web: PACOTES_ALEM = $(PACOTES_TESTES_WEB)
bench-web: web
	cmake --build $(WEB) --target testes_web
	apoio/com_xvfb.sh node bench/pagina_web.mjs $(WEB) $(WEB)/npm/node_modules

# `make release`: this version's three downloads, the .deb, the Windows zip
# and the web zip, in $(RELEASE)/ with their SHA256SUMS; each is built to be
# the same byte for byte wherever and whenever it is built.
RELEASE := build-release
.PHONY: release testar-reprodutivel
release: deb windows web
	rm -rf $(RELEASE) && mkdir $(RELEASE)
	v=$$(dpkg-parsechangelog -S Version) && cp $(PAQUETE)/tabuleiro2_$${v}_*.deb \
	  $(WINDOWS)/tabuleiro2-$$v-win64.zip $(WEB)/tabuleiro2-$$v-web.zip $(RELEASE)/
	cd $(RELEASE) && sha256sum tabuleiro2* >SHA256SUMS && cat SHA256SUMS

# The reproducible tree: `make release` in two clones of this tree at other
# paths, under another time zone, umask, locale, clock and folder order;
# their downloads must be the same byte for byte.
REPRODUCAO := build-reproducao
testar-reprodutivel:
	$(call instalar,$(PACOTES_REPRODUCAO))
	tests/e2e/reprodutivel.sh $(REPRODUCAO) $(BAIXADOS)
