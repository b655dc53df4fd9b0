# The two commands people need: `make play` and `make test`.
# Both install what is missing (Debian packages), configure and build first.

BUILD    := build
JOBS     := $(shell nproc 2>/dev/null || echo 2)
PACKAGES := cmake g++ make pkg-config liballegro4-dev libgtest-dev xvfb \
            xdotool x11-apps imagemagick dpkg-dev file zlib1g-dev
SUDO     := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: play test build deps

# The game in build/data, where the build puts the images and the boards;
# `make play BOARD=data/boards/campo.map` plays another board.
play: build
	$(BUILD)/jogar $(BOARD)

test: build
	cd $(BUILD) && ctest --output-on-failure

build: deps
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) -j $(JOBS)

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

# `make deb`: the Debian package, build/tabuleiro2_VERSION_ARCH.deb, made
# by CPack from cmake/instalar.cmake and cmake/debian/; `make test` judges
# it with lintian, appstreamcli and desktop-file-validate.
PACKAGES += lintian appstream desktop-file-utils
.PHONY: deb
deb: build
	cd $(BUILD) && cpack -G DEB

# Sanitizers and benchmarks. `make test` also builds a second tree
# with clang, AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer,
# and runs there every test but the install and the package, the real game
# included. `make bench` prints the frame figures.
SANITIZADO := build-sanitizado
PACKAGES   += clang libclang-rt-14-dev libbenchmark-dev

.PHONY: sanitizado bench

test: sanitizado

sanitizado: construir-sanitizado
	cd $(SANITIZADO) && UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/vazamentos.supp:fast_unwind_on_malloc=0:print_suppressions=0 \
	  ctest --output-on-failure -E instalacao

construir-sanitizado: deps
	cmake -S . -B $(SANITIZADO) -DCMAKE_CXX_COMPILER=clang++ -DTABULEIRO2_SANITIZAR=ON
	cmake --build $(SANITIZADO) -j $(JOBS)

# `make fuzz`: a minute each for the board files and the images under
# libFuzzer, from the inputs in tests/fuzz/ (which `make test` replays);
# new inputs go to $(SANITIZADO)/fuzz/, what crashes to its achados/.
FUZZ_ALVOS := tabuleiro imagem
.PHONY: construir-sanitizado fuzz
fuzz: construir-sanitizado
	@cd $(SANITIZADO) && mkdir -p achados $(addprefix fuzz/,$(FUZZ_ALVOS)) && \
	for alvo in $(FUZZ_ALVOS); do \
	  tests/fuzz/fuzz_$$alvo -max_total_time=60 -print_final_stats=1 -artifact_prefix=achados/$$alvo- \
	    fuzz/$$alvo $(CURDIR)/tests/fuzz/$$alvo 2>&1 | grep -E '^(stat::|INFO: A corpus|==[0-9]+==|SUMMARY)'; \
	  echo "fuzz_$$alvo: $$(ls fuzz/$$alvo | wc -l) inputs of its own, $$(ls achados | grep -c "^$$alvo-") crashing in $(SANITIZADO)/achados"; \
	done

bench: build
	$(BUILD)/bench/bancada_quadro
	bench/primeiro_quadro.sh $(BUILD)/tabuleiro2 $(BUILD)/bench/primeiro_quadro

# Windows: the game cross-built for 64-bit Windows with mingw-w64 against
# Allegro built here from Debian's upstream tarball with our patch, packed
# with the images drawn by the native art tool into
# build-windows/tabuleiro2-<version>-win64.zip (see windows/). `make test`
# also plays it under Wine on a private Xvfb (CTest label `windows`).
WINDOWS  := build-windows
PACKAGES += g++-mingw-w64-x86-64 patch zip unzip wine wine64 x11-utils

.PHONY: windows testar-windows

test: testar-windows

windows: deps
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) --target dados -j $(JOBS)
	cmake -S windows -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/windows/mingw64.cmake \
	  -DTABULEIRO2_NATIVO=$(CURDIR)/$(BUILD)
	cmake --build $(WINDOWS) -j $(JOBS)

testar-windows: windows
	cd $(WINDOWS) && ctest --output-on-failure

# The web pages: Allegro built by Debian's emscripten with our browser
# platform (web/plataforma/), the game and the editor linked from the same
# src/ into build-web/ (index.html, editor.html, their .js and .wasm, the
# images in tabuleiro2.data) and
# build-web/tabuleiro2-<version>-web.zip. `make play-web` serves it on
# 127.0.0.1; `make test` plays it in headless Chromium (CTest label `web`).
# npm comes with nodesource's nodejs where that is installed; elsewhere
# Debian's npm package provides it. emcc finds its acorn in NODE_PATH.
WEB      := build-web
PACKAGES += emscripten chromium python3 zip $(if $(shell command -v npm),,npm)
PORTA    ?= 8000
EMCC_ENV := NODE_PATH=/usr/share/nodejs

.PHONY: web play-web testar-web bench-web

test: testar-web

web: deps
	cmake -S . -B $(BUILD)
	cmake --build $(BUILD) --target dados -j $(JOBS)
	$(EMCC_ENV) emcmake cmake -S web -B $(WEB) -DTABULEIRO2_NATIVO=$(CURDIR)/$(BUILD)
	$(EMCC_ENV) cmake --build $(WEB) -j $(JOBS)

play-web: web
	@echo "Open http://127.0.0.1:$(PORTA)/ (the game) or http://127.0.0.1:$(PORTA)/editor.html (the editor) in a browser; Ctrl+C stops the server."
	cd $(WEB) && python3 -m http.server $(PORTA) --bind 127.0.0.1

testar-web: web
	cmake --build $(BUILD) --target tabuleiro2 tabuleiro2-editor -j $(JOBS)
	cmake --build $(WEB) --target testes_web
	cd $(WEB) && ctest --output-on-failure

# The page's figures in headless Chromium: an empty page's time, the cold
# and the service worker's first frame against it, the frame period, the
# bytes a cold load transfers raw, the largest file and the zip.
bench-web: web
	cmake --build $(WEB) --target testes_web
	node bench/pagina_web.mjs $(WEB) $(WEB)/npm/node_modules
