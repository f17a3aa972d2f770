# Set-up, build and test on Debian 12. `make run` and `make test` install what is missing.

BUILD    := build
PACKAGES := qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev libxlsxwriter-dev zlib1g-dev \
            libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev cmake ninja-build g++ pkg-config \
            fonts-wqy-microhei fonts-dejavu-core locales-all qt6-translations-l10n

.PHONY: run test build deps bench package clean

run: build
	./$(BUILD)/qelvo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -j2 --output-on-failure

bench: build
	./$(BUILD)/qelvo_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  sudo=$$( [ "$$(id -u)" -eq 0 ] || echo sudo ); \
	  $$sudo apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -q $$missing; \
	fi

# A .deb of the programs, help and data (build/qelvo_<version>_<arch>.deb).
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD)
