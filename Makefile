# The two commands a newcomer runs: `make demo` and `make test`.
BUILD ?= build
JOBS ?= 2

.PHONY: setup configure build demo test bench clean

setup:
	@bash scripts/setup.sh

configure: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD) -j$(JOBS)

# Opens the gallery in a window when a display is there; otherwise renders its pages to
# out/gallery/ as PNG files.
demo: build
	@if [ -x $(BUILD)/apps/gallery/gallery ]; then \
	  if [ -n "$$DISPLAY" ] && [ "$$ZYN_BACKEND" != "headless" ]; then \
	    $(BUILD)/apps/gallery/gallery; \
	  else \
	    $(BUILD)/apps/gallery/gallery --png out/gallery && echo "gallery pages written to out/gallery/"; \
	  fi; \
	else \
	  echo "the gallery is not built yet"; \
	fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD) out
